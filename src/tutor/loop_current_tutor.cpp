#include "tutor/loop_current_tutor.h"

#include "tutor/loop_trace_dialog.h"
#include "tutor/loop_tutor_steps.h"

namespace kirvolt {

LoopTutorDialogs::LoopTutorDialogs(QWidget* parent, MessageFunction message, LoopTutorDrawing drawing)
    : parent(parent), message(std::move(message)), drawing(std::move(drawing))
{
}

bool LoopTutorDialogs::accepted(TutorDialog& dialog) const
{
    if (drawing.explained) {
        dialog.keepClearOf(drawing.explained());
    }
    return dialog.exec() == QDialog::Accepted;
}

bool LoopTutorDialogs::introduce()
{
    LoopIntroductionDialog dialog(parent);
    return accepted(dialog);
}

bool LoopTutorDialogs::countLoops(int branches, int nodes)
{
    LoopCountDialog dialog(branches, nodes, parent, message);
    return accepted(dialog);
}

bool LoopTutorDialogs::traceLoops(LoopTracing& tracing)
{
    LoopTraceDialog dialog(tracing, drawing.mark, [this, &tracing] { drawing.showLoops(tracing.loops(), {}); }, parent);
    return runClickingStep(dialog, [&dialog](Point logical) { dialog.takeClick(logical); }, drawing.takeClicks, drawing.explained,
                           drawing.mark);
}

bool LoopTutorDialogs::showPage(const LoopTutorPage& page)
{
    drawing.mark(&page.highlight);
    LoopPageDialog dialog(page, parent);
    const bool next = accepted(dialog);
    drawing.mark(nullptr);
    return next;
}

void runLoopCurrentTutor(CKirvoltDoc& doc, QWidget* parent, MessageFunction message, LoopTutorDrawing drawing)
{
    const TracedLoopsShown showLoops = drawing.showLoops;
    LoopTutorDialogs dialogs(parent, std::move(message), std::move(drawing));
    runLoopTutor(doc, dialogs, showLoops);
}

}  // namespace kirvolt
