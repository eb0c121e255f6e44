#include "view/dialogs/node_info_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "view/dialogs/dialog_texts.h"

namespace kirvolt {

NodeInfoDialog::NodeInfoDialog(const NodeProperties& p, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Component Property"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    const QString volts = QStringLiteral("V");
    addPropertyRow(*grid, tr("Node Name:"), readOnlyBox(qText(p.name), this));
    addPropertyRow(*grid, tr("Node Voltage:"), readOnlyBox(numberText(p.voltage), this), &volts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace kirvolt
