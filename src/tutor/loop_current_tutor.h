#pragma once

#include "document/circuit_document.h"
#include "tutor/clicking_step.h"
#include "tutoring/loop_tutor_run.h"
#include "tutoring/loop_tutor_windows.h"

class QWidget;

namespace kirvolt {

class TutorDialog;

// What the drawing does for the tutor: the highlight each window marks, the student's loops,
// and the clicks of step 2.
struct LoopTutorDrawing {
    MarkFunction mark = [](const Highlight*) {};
    TracedLoopsShown showLoops = [](const std::vector<std::vector<LoopStep>>&, const std::vector<double>&) {};
    ExplainedArea explained;
    ClickRoute takeClicks = [](const std::function<void(Point)>&) { return QList<QWidget*>{}; };
};

// The tutor's steps as dialogs over the main window, each kept clear of the circuit.
class LoopTutorDialogs final : public LoopTutorWindows {
public:
    LoopTutorDialogs(QWidget* parent, MessageFunction message, LoopTutorDrawing drawing);

    bool introduce() override;
    bool countLoops(int branches, int nodes) override;
    bool traceLoops(LoopTracing& tracing) override;
    bool showPage(const LoopTutorPage& page) override;

private:
    bool accepted(TutorDialog& dialog) const;

    QWidget* parent;
    MessageFunction message;
    LoopTutorDrawing drawing;
};

// The "Loop Current Tutor" command on the active circuit: the tutor's windows stand over
// parent (the main window). Messages of the analysis go through the document's port; the
// tutor's own messages through message.
void runLoopCurrentTutor(CKirvoltDoc& doc, QWidget* parent, MessageFunction message = showKirvoltMessage,
                         LoopTutorDrawing drawing = {});

}  // namespace kirvolt
