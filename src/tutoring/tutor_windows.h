#pragma once

#include <functional>
#include <optional>

#include "tutoring/datum_choice.h"

namespace kirvolt {

// The windows of the Nodal Analysis Tutor as the tutor's run sees them: each call shows one
// step and returns when the student leaves it. The desktop shows dialogs; tests answer as a
// student would.
class TutorWindows {
public:
    virtual ~TutorWindows() = default;

    // The introduction; true when the student presses "Start".
    virtual bool introduce() = 0;

    // Step 1; true once the student has counted nodeCount nodes, false on "Cancel".
    virtual bool countNodes(int nodeCount) = 0;

    // Step 2; the picture button calls showNodeNumbers. True on "Next", false on "Cancel".
    virtual bool labelNodes(const std::function<void()>& showNodeNumbers) = 0;

    // Step 3; the chosen entry of the candidates, or none on "Cancel".
    virtual std::optional<int> chooseDatum(const DatumCandidates& candidates) = 0;

    // Step 4, the worked KCL example; true on "Finish".
    virtual bool explainEquations() = 0;
};

}  // namespace kirvolt
