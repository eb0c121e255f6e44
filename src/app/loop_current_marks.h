#pragma once

#include <vector>

#include "analysis/loop_tree.h"
#include "document/circuit_document.h"
#include "drawing/loop_current_painter.h"

namespace kirvolt {

// The tree and the loop currents of the circuit, solved once more from its loops, for the
// drawing to show after a loop analysis; nothing for a circuit whose tree is refused.
LoopPicture loopCurrentPicture(const CKirvoltDoc& doc);

// The loops a student traced, loop k named I_k and drawn along its elements the way it runs,
// with its current where currents are given ([k - 1] for loop k).
LoopPicture tracedLoopPicture(const CKirvoltDoc& doc, const std::vector<std::vector<LoopStep>>& loops,
                              const std::vector<double>& currents);

}  // namespace kirvolt
