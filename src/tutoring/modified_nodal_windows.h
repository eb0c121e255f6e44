#pragma once

#include "tutoring/modified_nodal_steps.h"

namespace kirvolt {

// The windows of the Modified Nodal Analysis Tutor as the tutor's run sees them: each call
// shows one window and returns when the student leaves it. The desktop shows dialogs; tests
// answer as a student would.
class ModifiedNodalWindows {
public:
    virtual ~ModifiedNodalWindows() = default;

    // The background notes; true when the student presses "Start".
    virtual bool showNotes() = 0;

    // One page of the lesson; true on "Next" (or "Finish" on the last), false on "Cancel".
    virtual bool showPage(const ModifiedNodalLesson& lesson, const ModifiedNodalPage& page) = 0;
};

}  // namespace kirvolt
