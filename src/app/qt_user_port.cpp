#include "app/qt_user_port.h"

#include "view/widgets/kirvolt_message.h"
#include "app/open_circuit.h"

namespace kirvolt {

namespace {

// The highlight stands on every view of the circuit for as long as the scope lasts.
class ShownHighlight {
public:
    ShownHighlight(OpenCircuit& circuit, const Highlight& highlight) : circuit(circuit)
    {
        circuit.setHighlight(highlight.empty() ? nullptr : &highlight);
    }
    ~ShownHighlight() { circuit.setHighlight(nullptr); }
    ShownHighlight(const ShownHighlight&) = delete;
    ShownHighlight& operator=(const ShownHighlight&) = delete;

private:
    OpenCircuit& circuit;
};

}  // namespace

void QtUserPort::showMessage(const std::string& text, const Highlight& highlight)
{
    const ShownHighlight shown(circuit, highlight);
    showKirvoltMessage(circuit.dialogParent(), QString::fromStdString(text));
}

void QtUserPort::updateAllViews()
{
    circuit.updateAllViews();
}

void QtUserPort::showNodeEquationsDialog(const NodeEquationTexts& texts, const Highlight& highlight)
{
    const ShownHighlight shown(circuit, highlight);
    nodeEquationsDialog(texts);
}

void QtUserPort::showEquationCheckDialog(const EquationCheckDialog& dialog, const Highlight& highlight)
{
    const ShownHighlight shown(circuit, highlight);
    equationCheckRunner(dialog);
}

}  // namespace kirvolt
