#pragma once

#include <functional>
#include <string>

#include "document/highlight.h"
#include "tutoring/current_source_quiz.h"

namespace kirvolt {

// How the drawing shows the mesh currents: not at all, as clockwise arrows named I1, I2, ...
// while the student works with them (their values would give the answers away), or with
// their values once the tutor is done.
enum class MeshCurrentsDrawn { hidden, named, valued };

// One window of steps 3 and 4: what it says about the circuit and what it marks on the
// drawing while it is up.
struct MeshTutorPage {
    int step = 3;
    std::string text;
    Highlight highlight;
};

// The windows of the Mesh Current Tutor as the tutor's run sees them: each call shows one
// step and returns when the student leaves it. The desktop shows dialogs; tests answer as a
// student would.
class MeshTutorWindows {
public:
    virtual ~MeshTutorWindows() = default;

    // The introduction; true when the student presses "Start".
    virtual bool introduce() = 0;

    // Step 1; true once the student has counted branches - nodes + 1 meshes, false on "Cancel".
    virtual bool countMeshes(int branches, int nodes) = 0;

    // Step 2; the button calls showMeshCurrents. True on "Next", false on "Cancel".
    virtual bool labelMeshes(const std::function<void()>& showMeshCurrents) = 0;

    // Step 3 on a circuit with current sources: the student's clicks inside the meshes of the
    // drawing go to the quiz, and its replies are shown, until it is done. True on "Next",
    // which waits for that; false on "Cancel".
    virtual bool dealWithSources(CurrentSourceQuiz& quiz) = 0;

    // One window of steps 3 and 4; true on "Next", false on "Cancel".
    virtual bool showPage(const MeshTutorPage& page) = 0;
};

}  // namespace kirvolt
