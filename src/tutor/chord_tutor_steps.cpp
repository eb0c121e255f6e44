#include "tutor/chord_tutor_steps.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kirvolt {

namespace {

// A framed text that replies stand in, wide enough for the tutor's longer sentences.
void frame(QLabel* label, const QString& name)
{
    label->setObjectName(name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMargin(label->fontMetrics().averageCharWidth());
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 60);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace

ChordIntroductionDialog::ChordIntroductionDialog(QWidget* parent) : ChordTutorDialog(parent)
{
    addIntroduction(*static_cast<QVBoxLayout*>(layout()),
                    tr("There are four steps for the Chord Current Analysis Method."),
                    {tr("(1)  Pick a tree of your\n       circuit."),
                     tr("(2)   Name the chords and\n       their loop currents."),
                     tr("(3)   See the loop each\n       chord closes."),
                     tr("(4)   Write loop current\n       equations using KVL.")});
}

ChordTreeDialog::ChordTreeDialog(TreeQuiz& quiz, std::function<void(const Highlight*)> mark,
                                 std::function<void()> treeChanged, QWidget* parent)
    : ChordTutorDialog(parent), quiz(quiz), mark(std::move(mark)), treeChanged(std::move(treeChanged))
{
    addStepHeading(1);
    layout()->addWidget(textLabel(tr("A tree joins all the nodes of your circuit without closing a loop. Click the "
                                     "resistors and voltage sources of your circuit to put them in the tree; click "
                                     "one again to take it out. Every branch left out of the tree is a chord."),
                                  true));
    reply = textLabel(tr("Click a branch of your circuit."), true);
    frame(reply, QStringLiteral("replyText"));
    // The longest reply, a loop closed through many branches or a tree complete, runs to six lines.
    reply->setMinimumHeight(fontMetrics().height() * 7);
    progress = textLabel(QString::fromStdString(quiz.progress()), true);
    progress->setObjectName(QStringLiteral("progressText"));
    layout()->addWidget(reply);
    layout()->addWidget(progress);
    next = addButtons(false);
    next->setEnabled(false);
}

void ChordTreeDialog::takeClick(Point logical)
{
    TreeClickReply answer = quiz.click(logical);
    marked = std::move(answer.highlight);
    mark(&marked);
    if (answer.changed) {
        treeChanged();
    }
    reply->setText(QString::fromStdString(answer.text));
    progress->setText(QString::fromStdString(quiz.progress()));
    adjustSize();
    next->setEnabled(quiz.complete());
    if (quiz.complete()) {
        next->setFocus();
    }
}

ChordPageDialog::ChordPageDialog(const ChordTutorPage& page, QWidget* parent) : ChordTutorDialog(parent)
{
    addStepHeading(page.step);
    QLabel* text = textLabel(QString::fromStdString(page.text), true);
    frame(text, QStringLiteral("pageText"));
    layout()->addWidget(text);
    addButtons(page.last);
}

ChordEquationDialog::ChordEquationDialog(const LoopEquationTask& task, QWidget* parent)
    : ChordTutorDialog(parent), task(task)
{
    addStepHeading(4);
    layout()->addWidget(headingLabel(QString::fromStdString(task.heading)));
    layout()->addWidget(textLabel(QString::fromStdString(task.instructions), true));
    equation = new QLineEdit(this);
    auto* check = new QPushButton(tr("Check"), this);
    auto* line = new QHBoxLayout;
    line->addWidget(equation, 1);
    line->addWidget(check);
    static_cast<QVBoxLayout*>(layout())->addLayout(line);
    verdict = textLabel(QString(), true);
    frame(verdict, QStringLiteral("verdictText"));
    verdict->setMinimumHeight(fontMetrics().height() * 6);
    layout()->addWidget(verdict);
    next = addButtons(task.last);
    next->setEnabled(false);
    next->setDefault(false);
    check->setDefault(true);
    connect(check, &QPushButton::clicked, this, &ChordEquationDialog::checkEquation);
}

void ChordEquationDialog::checkEquation()
{
    const EquationVerdict answer = task.check(equation->text().toStdString());
    verdict->setText(QString::fromStdString(answer.message));
    adjustSize();
    const bool right = answer.kind == EquationVerdict::Kind::Right;
    next->setEnabled(right);
    if (right) {
        next->setFocus();
    }
}

}  // namespace kirvolt
