#pragma once

#include <string>

#include "document/highlight.h"
#include "tutoring/loop_tracing.h"

namespace kirvolt {

// One window of steps 3 and 4: what it says about the circuit, what it marks on the drawing
// while it is up, and whether it is the last one.
struct LoopTutorPage {
    int step = 3;
    std::string text;
    Highlight highlight;
    bool last = false;
};

// The windows of the Loop Current Tutor as the tutor's run sees them: each call shows one step
// and returns when the student leaves it. The desktop shows dialogs; tests answer as a student
// would.
class LoopTutorWindows {
public:
    virtual ~LoopTutorWindows() = default;

    // The introduction; true when the student presses "Start".
    virtual bool introduce() = 0;

    // Step 1; true once the student has counted branches - nodes + 1 loops, false on "Cancel".
    virtual bool countLoops(int branches, int nodes) = 0;

    // Step 2: the student's clicks on the branches of the drawing go to the tracing, and its
    // replies are shown, until it is done. True on "Next", which waits for that; false on "Cancel".
    virtual bool traceLoops(LoopTracing& tracing) = 0;

    // One window of steps 3 and 4; true on "Next" (or "Finish"), false on "Cancel".
    virtual bool showPage(const LoopTutorPage& page) = 0;
};

}  // namespace kirvolt
