#include "view/dialogs/component_info_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "view/dialogs/dialog_texts.h"

namespace kirvolt {

ComponentInfoDialog::ComponentInfoDialog(const ComponentProperties& p, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Component Property"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    const QString unit = qText(p.unit);
    const QString volts = QStringLiteral("V");
    const QString amperes = QStringLiteral("A");
    addPropertyRow(*grid, tr("Name:"), readOnlyBox(qText(p.name), this));
    addPropertyRow(*grid, tr("Value:"), readOnlyBox(numberText(p.value), this), &unit);
    addPropertyRow(*grid, tr("Start Node:"), readOnlyBox(qText(p.startNodeName), this));
    addPropertyRow(*grid, tr("Finish Node:"), readOnlyBox(qText(p.finishNodeName), this));
    addPropertyRow(*grid, tr("Start Node Voltage:"), readOnlyBox(numberText(p.startVoltage), this), &volts);
    addPropertyRow(*grid, tr("Finish Node Voltage:"), readOnlyBox(numberText(p.finishVoltage), this), &volts);
    addPropertyRow(*grid, tr("Current:\n(Start->Finish)"), readOnlyBox(numberText(p.current), this), &amperes);
    addPropertyRow(*grid, tr("p.d.(Start-\nFinish):"), readOnlyBox(numberText(p.pd), this), &volts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace kirvolt
