#pragma once

#include "editing/element_dialogs.h"

class QWidget;

namespace kirvolt {

// The element dialogs as modal Qt dialogs over the circuit view.
class QtElementDialogs final : public ElementDialogs {
public:
    explicit QtElementDialogs(QWidget* parent) : parent(parent) {}

    void showComponentInfo(const ComponentProperties& properties) override;
    void showNodeInfo(const NodeProperties& properties) override;
    std::optional<NameAndValue> editComponent(const NameAndValue& current, const std::string& unit) override;
    std::optional<std::string> editNodeName(const std::string& current) override;

private:
    QWidget* parent;
};

}  // namespace kirvolt
