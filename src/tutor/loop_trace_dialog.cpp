#include "tutor/loop_trace_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kirvolt {

LoopTraceDialog::LoopTraceDialog(LoopTracing& tracing, MarkFunction mark, std::function<void()> showLoops,
                                 QWidget* parent)
    : LoopTutorDialog(parent), tracing(tracing), mark(std::move(mark)), showLoops(std::move(showLoops))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stepHeading(2));
    layout->addWidget(textLabel(tr("\n\n     Trace the loops of your own choice.")));
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(textLabel(tr("Click the branches of a loop one after the other on the drawing, all the way "
                                   "round: the loop current runs the way you go. Each loop must be closed, pass "
                                   "each node only once, and take in something your loops before it do not. The "
                                   "loop currents are named I1, I2, ... in the order you trace the loops."),
                                true));
    reply = textLabel(tr("Click a branch of your circuit to start the loop."), true);
    progress = textLabel(QString::fromStdString(tracing.progress()), true);
    reply->setObjectName(QStringLiteral("replyText"));
    reply->setFrameShape(QFrame::StyledPanel);
    reply->setMargin(fontMetrics().averageCharWidth());
    reply->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    reply->setMinimumHeight(fontMetrics().height() * 9);
    reply->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    progress->setObjectName(QStringLiteral("progressText"));

    auto* undo = new QPushButton(tr("Undo last branch"), this);
    auto* again = new QPushButton(tr("Start loop again"), this);
    connect(undo, &QPushButton::clicked, this, [this] { answer(this->tracing.undoLast()); });
    connect(again, &QPushButton::clicked, this, [this] { answer(this->tracing.startAgain()); });
    auto* recover = new QHBoxLayout;
    recover->addWidget(undo);
    recover->addWidget(again);
    recover->addStretch();

    next = new QPushButton(tr("Next"), this);
    next->setEnabled(false);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    connect(next, &QPushButton::clicked, this, &LoopTraceDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &LoopTraceDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(cancel);

    layout->addWidget(reply);
    layout->addWidget(progress);
    layout->addLayout(recover);
    layout->addLayout(buttons);
}

void LoopTraceDialog::takeClick(Point logical)
{
    if (!tracing.done()) {
        answer(tracing.click(logical));
    }
}

void LoopTraceDialog::answer(LoopClickReply given)
{
    marked = std::move(given.highlight);
    showLoops();
    mark(&marked);
    reply->setText(QString::fromStdString(given.text));
    progress->setText(QString::fromStdString(tracing.progress()));
    if (tracing.done()) {
        next->setEnabled(true);
        next->setDefault(true);
        next->setFocus();
    }
}

}  // namespace kirvolt
