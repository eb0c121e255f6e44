#pragma once

#include <string>
#include <vector>

#include "analysis/loop_tree.h"
#include "document/circuit_document.h"
#include "drawing/loop_current_painter.h"

namespace kirvolt {

// The tree of those branches (the textbook's when none are named) and the loop currents of the
// circuit, solved once more from its loops, for the drawing to show after a loop analysis;
// nothing for a circuit whose tree is refused.
LoopPicture loopCurrentPicture(const CKirvoltDoc& doc, const std::vector<std::string>& tree = {});

// The branches with those labels as the tree a loop analysis shows, without loop currents.
LoopPicture treePicture(const CKirvoltDoc& doc, const std::vector<std::string>& tree);

// The loops a student traced, loop k named I_k and drawn along its elements the way it runs,
// with its current where currents are given ([k - 1] for loop k).
LoopPicture tracedLoopPicture(const CKirvoltDoc& doc, const std::vector<std::vector<LoopStep>>& loops,
                              const std::vector<double>& currents);

}  // namespace kirvolt
