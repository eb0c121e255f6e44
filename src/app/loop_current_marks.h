#pragma once

#include "document/circuit_document.h"
#include "drawing/loop_current_painter.h"

namespace kirvolt {

// The tree and the loop currents of the circuit, solved once more from its loops, for the
// drawing to show after a loop analysis; nothing for a circuit whose tree is refused.
LoopPicture loopCurrentPicture(const CKirvoltDoc& doc);

}  // namespace kirvolt
