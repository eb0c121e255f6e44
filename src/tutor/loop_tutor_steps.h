#pragma once

#include "tutor/count_step_dialog.h"
#include "tutor/loop_tutor_dialog.h"
#include "tutoring/loop_tutor_windows.h"
#include "view/widgets/kirvolt_message.h"

namespace kirvolt {

// The opening window: the four steps at a glance. "Start" accepts, "Return" leaves.
class LoopIntroductionDialog : public LoopTutorDialog {
    Q_OBJECT

public:
    explicit LoopIntroductionDialog(QWidget* parent = nullptr);
};

// Step 1: the student counts the independent loops.
class LoopCountDialog : public CountStepDialog {
    Q_OBJECT

public:
    LoopCountDialog(int branches, int nodes, QWidget* parent = nullptr, MessageFunction message = showKirvoltMessage);
};

// A window of steps 3 and 4: the page's text, "Next" (or "Finish" on the last page) and "Cancel".
class LoopPageDialog : public LoopTutorDialog {
    Q_OBJECT

public:
    LoopPageDialog(const LoopTutorPage& page, QWidget* parent = nullptr);
};

}  // namespace kirvolt
