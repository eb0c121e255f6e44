#pragma once

#include <functional>
#include <vector>

#include "analysis/loop_tree.h"
#include "document/circuit_document.h"
#include "tutoring/loop_tutor_windows.h"

namespace kirvolt {

// How the drawing is to show the student's loops: each in its own colour with its direction and
// name, and with its current once solved ([k - 1] for loop k; none while the student works).
using TracedLoopsShown =
    std::function<void(const std::vector<std::vector<LoopStep>>& loops, const std::vector<double>& currents)>;

// Leads the student through the loop current method on loops of the student's own choosing:
// count the independent loops, trace them by clicking their branches in order, then the
// equations written for those loops with their elements marked, and last their solve, whose
// results fill the results pane as any analysis does. A circuit the loop current method
// refuses never reaches the tutor: the method's own message says why.
void runLoopTutor(CKirvoltDoc& doc, LoopTutorWindows& windows, const TracedLoopsShown& showLoops);

}  // namespace kirvolt
