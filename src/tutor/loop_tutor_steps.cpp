#include "tutor/loop_tutor_steps.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "tutoring/loop_count_check.h"

namespace kirvolt {

LoopIntroductionDialog::LoopIntroductionDialog(QWidget* parent) : LoopTutorDialog(parent)
{
    addIntroduction(*new QVBoxLayout(this), tr("There are four steps for the Loop Current Analysis Method."),
                    {tr("(1)  Count the number of\n       independent loops in your circuit."),
                     tr("(2)   Trace the loops of your\n       own choice."),
                     tr("(3)   Write loop current\n       equations using KVL."),
                     tr("(4)   Solve them for the\n       loop currents.")});
}

LoopCountDialog::LoopCountDialog(int branches, int nodes, QWidget* parent, MessageFunction message)
    : CountStepDialog({tr("Loop Current Tutor"), tr("Step 1 of 4 for Loop Current Analysis:"),
                       tr("\n   Count the number of independent\n    loops in your circuit."),
                       tr("How many independent Loops are there in your circuit ?"),
                       tr("Note:\nLoops are independent when none of them is made of the others: each new loop "
                          "must take in something the loops before it do not.\n\nWire is assumed to be ideal and "
                          "is not regarded as component.")},
                      [branches, nodes](int counted) { return checkLoopCount(counted, branches, nodes); }, parent,
                      std::move(message))
{
}

LoopPageDialog::LoopPageDialog(const LoopTutorPage& page, QWidget* parent) : LoopTutorDialog(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stepHeading(page.step));
    layout->addWidget(page.step == 3 ? textLabel(tr("\n\n           Write loop current\n         equations using KVL."))
                                     : textLabel(tr("\n\n           Solve them for the\n         loop currents.")));
    layout->addSpacing(fontMetrics().height());

    QLabel* text = textLabel(QString::fromStdString(page.text), true);
    text->setObjectName(QStringLiteral("pageText"));
    text->setFrameShape(QFrame::StyledPanel);
    text->setMargin(fontMetrics().averageCharWidth());
    text->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    layout->addWidget(text);

    auto* next = new QPushButton(page.last ? tr("Finish") : tr("Next"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &LoopPageDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &LoopPageDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(next);
    row->addWidget(cancel);
    layout->addLayout(row);
}

}  // namespace kirvolt
