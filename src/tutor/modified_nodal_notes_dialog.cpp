#include "tutor/modified_nodal_notes_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kirvolt {

namespace {

const char* const PARAGRAPHS[] = {
    QT_TRANSLATE_NOOP("ModifiedNodalNotesDialog",
                      "Nodal Analysis employs branch voltages as its independent variables: every branch voltage "
                      "is written as the difference of the voltages of the two nodes at its ends, and Kirchhoff's "
                      "Current Law is applied at every node except the datum node. This works well for resistors "
                      "and current sources, but the current through an ideal voltage source cannot be written "
                      "from its voltage."),
    QT_TRANSLATE_NOOP("ModifiedNodalNotesDialog",
                      "Modified Nodal Analysis is derived from Nodal Analysis by taking the current through each "
                      "voltage source as one more unknown, and by adding for each voltage source one more "
                      "equation: the voltage of its positive node minus the voltage of its negative node equals "
                      "the value of the source."),
    QT_TRANSLATE_NOOP("ModifiedNodalNotesDialog",
                      "Together with the branch voltage variables, these source currents make up one set of "
                      "linear equations with exactly as many equations as unknowns. Solving it gives every node "
                      "voltage and every source current in one step, whatever mixture of resistors and sources "
                      "the circuit holds."),
    QT_TRANSLATE_NOOP("ModifiedNodalNotesDialog",
                      "This tutor will take you through writing the extra equations for the voltage sources and "
                      "solving the enlarged set of equations."),
};

}  // namespace

ModifiedNodalNotesDialog::ModifiedNodalNotesDialog(QWidget* parent) : TutorDialog(parent)
{
    setWindowTitle(tr("Modified Nodal Analysis"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel(tr("\nBackground notes")));
    for (const char* paragraph : PARAGRAPHS) {
        layout->addWidget(textLabel(QCoreApplication::translate("ModifiedNodalNotesDialog", paragraph), true));
    }
    auto* start = new QPushButton(tr("Start"), this);
    auto* leave = new QPushButton(tr("Return"), this);
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, &ModifiedNodalNotesDialog::accept);
    connect(leave, &QPushButton::clicked, this, &ModifiedNodalNotesDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start);
    buttons->addWidget(leave);
    buttons->addStretch();
    layout->addSpacing(fontMetrics().height());
    layout->addLayout(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 70);
}

}  // namespace kirvolt
