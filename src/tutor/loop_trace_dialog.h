#pragma once

#include "document/geometry.h"
#include "tutor/loop_tutor_dialog.h"
#include "tutor/mesh_source_dialog.h"
#include "tutoring/loop_tracing.h"

class QLabel;
class QPushButton;

namespace kirvolt {

// Step 2: the student clicks the branches of each loop in order on the drawing; each reply
// stands in the window, the loop being traced is marked, and finished loops are drawn. "Undo
// last branch" and "Start loop again" recover from a slip; "Next" waits until the loops are
// complete. The window leaves the drawing within reach, so it is run without modality (see
// InputGate).
class LoopTraceDialog : public LoopTutorDialog {
    Q_OBJECT

public:
    // showLoops draws the loops finished so far.
    LoopTraceDialog(LoopTracing& tracing, MarkFunction mark, std::function<void()> showLoops, QWidget* parent = nullptr);

    // A click on the drawing at the logical point.
    void takeClick(Point logical);

private:
    void answer(LoopClickReply given);

    LoopTracing& tracing;
    MarkFunction mark;
    std::function<void()> showLoops;
    QLabel* reply = nullptr;
    QLabel* progress = nullptr;
    QPushButton* next = nullptr;
    Highlight marked;
};

}  // namespace kirvolt
