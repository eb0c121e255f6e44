#pragma once

#include <functional>
#include <string>

#include "document/highlight.h"
#include "document/user_port.h"
#include "tutoring/tree_quiz.h"

namespace kirvolt {

// One window of steps 2 to 4 that the student reads: its step, its text, what it marks on the
// drawing while it is up, and whether it is the last one.
struct ChordTutorPage {
    int step = 2;
    std::string text;
    Highlight highlight;
    bool last = false;
};

// One loop's equation in step 4: the loop it is for, what to type, the check of what is typed,
// the loop marked, and whether it is the last one.
struct LoopEquationTask {
    std::string heading;
    std::string instructions;
    std::function<EquationVerdict(const std::string&)> check;
    Highlight highlight;
    bool last = false;
};

// The windows of the Chord Current Tutor as the tutor's run sees them: each call shows one
// step and returns when the student leaves it. The desktop shows dialogs; tests answer as a
// student would.
class ChordTutorWindows {
public:
    virtual ~ChordTutorWindows() = default;

    // The introduction; true when the student presses "Start".
    virtual bool introduce() = 0;

    // Step 1: the student's clicks on the drawing go to the quiz, and its replies are shown;
    // treeChanged is called after each change of the tree. True on "Next", which waits for
    // the tree to be complete; false on "Cancel".
    virtual bool pickTree(TreeQuiz& quiz, const std::function<void()>& treeChanged) = 0;

    // One window of steps 2 to 4; true on "Next", false on "Cancel".
    virtual bool showPage(const ChordTutorPage& page) = 0;

    // Step 4 for one loop: the student types its equation and has it checked. True on "Next"
    // (or "Finish"), which waits for a right equation; false on "Cancel".
    virtual bool writeEquation(const LoopEquationTask& task) = 0;
};

}  // namespace kirvolt
