#pragma once

#include "document/circuit_document.h"
#include "support/circuit_builder.h"

namespace kirvolt::testing {

// A 1 A current source J1 driving R1 = 10, R2 = 20 and R3 = 30 ohm round a square, the
// terminals meeting at the corners without wires: four nodes, numbered as node extraction
// meets the terminals.
//
//   1 (4,4) ---R1---> 2 (10,4)
//      ^                 |
//      J1               R2
//      |                 v
//   4 (4,10) <---R3--- 3 (10,10)
//
// The loop current is 1 A, so with node 3 as datum V1 = 30, V2 = 20, V4 = -30.
inline void buildCurrentLoop(CKirvoltDoc& doc)
{
    CircuitBuilder build(doc);
    build.resistor(7, 4, ORIENT_EAST, 10.0);
    build.resistor(10, 7, ORIENT_SOUTH, 20.0);
    build.resistor(7, 10, ORIENT_WEST, 30.0);
    build.currentSource(4, 7, ORIENT_NORTH, 1.0);
}

}  // namespace kirvolt::testing
