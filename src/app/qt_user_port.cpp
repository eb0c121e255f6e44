#include "app/qt_user_port.h"

#include "view/widgets/kirvolt_message.h"
#include "app/open_circuit.h"

namespace kirvolt {

void QtUserPort::showMessage(const std::string& text)
{
    showKirvoltMessage(circuit.dialogParent(), QString::fromStdString(text));
}

void QtUserPort::updateAllViews()
{
    circuit.updateAllViews();
}

void QtUserPort::showNodeEquationsDialog(const NodeEquationTexts& texts)
{
    nodeEquationsDialog(texts);
}

}  // namespace kirvolt
