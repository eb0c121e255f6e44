#pragma once

#include <optional>
#include <string>

namespace kirvolt {

// What the component information dialog shows, in the order of its rows.
struct ComponentProperties {
    std::string name;
    double value = 0.0;
    std::string unit;
    std::string startNodeName;
    std::string finishNodeName;
    double startVoltage = 0.0;
    double finishVoltage = 0.0;
    double current = 0.0;
    double pd = 0.0;
};

// What the node information dialog shows.
struct NodeProperties {
    std::string name;
    double voltage = 0.0;
};

// The name and value of a component as the edit dialog shows them and gives them back.
struct NameAndValue {
    std::string name;
    double value = 0.0;
};

// The four small modal dialogs of the circuit view. The desktop application shows real
// dialogs; tests answer as a script tells them. Edits come back only when accepted.
class ElementDialogs {
public:
    virtual ~ElementDialogs() = default;

    virtual void showComponentInfo(const ComponentProperties& properties) = 0;
    virtual void showNodeInfo(const NodeProperties& properties) = 0;
    // Null when the user cancels.
    virtual std::optional<NameAndValue> editComponent(const NameAndValue& current, const std::string& unit) = 0;
    virtual std::optional<std::string> editNodeName(const std::string& current) = 0;
};

}  // namespace kirvolt
