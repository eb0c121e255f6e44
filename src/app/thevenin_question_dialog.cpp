#include "app/thevenin_question_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kirvolt {

TheveninQuestionDialog::TheveninQuestionDialog(const QStringList& nodes, const QStringList& resistors, QWidget* parent)
    : QDialog(parent),
      betweenNodes(new QRadioButton(tr("Between two &nodes:"), this)),
      seenByResistor(new QRadioButton(tr("As seen by a &resistor, taken out:"), this)),
      nodeA(new QComboBox(this)),
      nodeB(new QComboBox(this)),
      load(new QComboBox(this))
{
    setWindowTitle(tr("Th\xC3\xA9venin Equivalent"));
    nodeA->setObjectName(QStringLiteral("nodeA"));
    nodeB->setObjectName(QStringLiteral("nodeB"));
    load->setObjectName(QStringLiteral("load"));
    nodeA->addItems(nodes);
    nodeB->addItems(nodes);
    nodeB->setCurrentIndex(nodes.size() > 1 ? 1 : 0);
    load->addItems(resistors);
    // A student who has a load in mind starts there; a circuit without resistors has none.
    (resistors.isEmpty() ? betweenNodes : seenByResistor)->setChecked(true);
    seenByResistor->setEnabled(!resistors.isEmpty());

    auto* grid = new QGridLayout;
    grid->addWidget(betweenNodes, 0, 0);
    grid->addWidget(new QLabel(tr("A"), this), 0, 1);
    grid->addWidget(nodeA, 0, 2);
    grid->addWidget(new QLabel(tr("B"), this), 0, 3);
    grid->addWidget(nodeB, 0, 4);
    grid->addWidget(seenByResistor, 1, 0);
    grid->addWidget(load, 1, 2, 1, 3);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("The equivalent gives the voltage of A with respect to B."), this));
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

TheveninQuestion TheveninQuestionDialog::question() const
{
    if (seenByResistor->isChecked()) {
        return {{}, {}, load->currentText().toStdString()};
    }
    return {nodeA->currentText().toStdString(), nodeB->currentText().toStdString(), {}};
}

}  // namespace kirvolt
