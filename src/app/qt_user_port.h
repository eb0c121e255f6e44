#pragma once

#include <functional>

#include "document/user_port.h"

namespace kirvolt {

class OpenCircuit;

// The desktop's side of the user port: message boxes with the exclamation icon and the
// caption "Kirvolt", and repainting of every window that shows the circuit. While a message
// or a dialog about a node is up, every view of the circuit paints its highlight.
class QtUserPort final : public UserPort {
public:
    using NodeEquationsDialog = std::function<void(const NodeEquationTexts&)>;
    using EquationCheckRunner = std::function<void(const EquationCheckDialog&)>;

    explicit QtUserPort(OpenCircuit& circuit) : circuit(circuit) {}

    using UserPort::showMessage;
    void showMessage(const std::string& text, const Highlight& highlight) override;
    void updateAllViews() override;
    void showNodeEquationsDialog(const NodeEquationTexts& texts, const Highlight& highlight) override;
    void showEquationCheckDialog(const EquationCheckDialog& dialog, const Highlight& highlight) override;

    // Runs the node-equation dialog; until one is plugged in the request is ignored.
    void setNodeEquationsDialog(NodeEquationsDialog dialog) { nodeEquationsDialog = std::move(dialog); }
    // Runs the equation-check dialog; until one is plugged in the request is ignored.
    void setEquationCheckRunner(EquationCheckRunner runner) { equationCheckRunner = std::move(runner); }

private:
    OpenCircuit& circuit;
    NodeEquationsDialog nodeEquationsDialog = [](const NodeEquationTexts&) {};
    EquationCheckRunner equationCheckRunner = [](const EquationCheckDialog&) {};
};

}  // namespace kirvolt
