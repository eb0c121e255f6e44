#include "tutor/count_step_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "view/widgets/integer_field.h"
#include "view/widgets/spin_edit.h"

namespace kirvolt {

CountStepDialog::CountStepDialog(const CountStepTexts& texts, Judge judge, QWidget* parent, MessageFunction message)
    : TutorDialog(parent), judge(std::move(judge)), countEdit(new SpinEdit(0, MAXIMUM_COUNT, this)),
      message(std::move(message))
{
    setWindowTitle(texts.title);
    countEdit->setObjectName(QStringLiteral("countEdit"));
    countEdit->setText(QString::number(studentCount));
    connect(countEdit, &SpinEdit::textChanged, this, &CountStepDialog::takeCount);

    auto* next = new QPushButton(tr("Next"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    next->setObjectName(QStringLiteral("nextButton"));
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &CountStepDialog::checkCount);
    connect(cancel, &QPushButton::clicked, this, &CountStepDialog::reject);

    auto* question = new QHBoxLayout;
    question->addWidget(textLabel(texts.question));
    question->addWidget(countEdit);
    question->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(cancel);

    QLabel* note = textLabel(texts.note, true);
    note->setFrameShape(QFrame::StyledPanel);
    note->setMargin(fontMetrics().averageCharWidth());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel(texts.heading));
    layout->addWidget(textLabel(texts.task));
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
void CountStepDialog::takeCount(const QString& text)
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

void CountStepDialog::checkCount()
{
    const NodeCountVerdict verdict = judge(studentCount);
    message(this, QString::fromStdString(verdict.message), MessageKind::Note);
    if (verdict.correct) {
        accept();
    }
}

}  // namespace kirvolt
