#pragma once

#include "document/circuit_document.h"

namespace kirvolt::testing {

// A 12 V source E1 driving R1 = 10 ohm and R2 = 20 ohm in series, closed by three wires,
// each element placed as the pointer places it: joints at a component's terminals before
// the component, joints at a wire's ends after the wire.
//
//   (5,5) -W1- R1 (7,5)..(13,5) -W2- (16,5)
//     |                                |
//    E1 (+ at top)                     R2
//     |                                |
//   (5,11) -----------W3------------ (16,11)
void buildVoltageDivider(CKirvoltDoc& doc);

}  // namespace kirvolt::testing
