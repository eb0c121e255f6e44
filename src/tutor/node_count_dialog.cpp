#include "tutor/node_count_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "tutoring/node_count_check.h"
#include "view/widgets/integer_field.h"
#include "view/widgets/spin_edit.h"

namespace kirvolt {

NodeCountDialog::NodeCountDialog(int nodeCount, QWidget* parent, MessageFunction message)
    : TutorDialog(parent), nodeCount(nodeCount), countEdit(new SpinEdit(0, MAXIMUM_COUNT, this)),
      message(std::move(message))
{
    countEdit->setObjectName(QStringLiteral("countEdit"));
    countEdit->setText(QString::number(studentCount));
    connect(countEdit, &SpinEdit::textChanged, this, &NodeCountDialog::takeCount);

    auto* next = new QPushButton(tr("Next"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    next->setObjectName(QStringLiteral("nextButton"));
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &NodeCountDialog::checkCount);
    connect(cancel, &QPushButton::clicked, this, &NodeCountDialog::reject);

    auto* question = new QHBoxLayout;
    question->addWidget(textLabel(tr("How many Nodes are there in your circuit ?")));
    question->addWidget(countEdit);
    question->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(cancel);

    QLabel* note = textLabel(tr("Note:\nNode refers to the common connection point where two or more components are "
                                "joined together.\n\nWire is assumed to be ideal and is not regarded as component."),
                             true);
    note->setFrameShape(QFrame::StyledPanel);
    note->setMargin(fontMetrics().averageCharWidth());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel(tr("Step 1 of 4 for Nodal Analysis:")));
    layout->addWidget(textLabel(tr("\n   Count the number of nodes\n    in your circuit.")));
    layout->addSpacing(fontMetrics().height());
    layout->addLayout(question);
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(note);
    layout->addLayout(buttons);
    countEdit->setFocus();
    countEdit->selectAll();
}

// The field is read on every change, as the student types or spins; a text that is not a
// count is refused and the last good count stays.
void NodeCountDialog::takeCount(const QString& text)
{
    const IntegerFieldCheck check = checkIntegerField(text, 0, MAXIMUM_COUNT);
    if (!check.value) {
        message(this, check.message, MessageKind::Failure);
        countEdit->setFocus();
        countEdit->selectAll();
        return;
    }
    studentCount = *check.value;
}

void NodeCountDialog::checkCount()
{
    const NodeCountVerdict verdict = checkNodeCount(studentCount, nodeCount);
    message(this, QString::fromStdString(verdict.message), MessageKind::Note);
    if (verdict.correct) {
        accept();
    }
}

}  // namespace kirvolt
