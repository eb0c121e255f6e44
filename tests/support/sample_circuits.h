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

// Three faults of three checks: E1 (10 V) and R1 (0 ohm) upright side by side and wired top
// and bottom, J1 (0 A) beside them, and R2 from their top rail at (16,7) to nowhere (22,7).
void buildThreeFaults(CKirvoltDoc& doc);

// E1 = 12 V drives 0.4 A through R1 = 10 ohm, the ammeter Am1 and R2 = 20 ohm; the voltmeter
// Vm1 stands across R2 and Vm2 is wired to nothing.
void buildMeteredDivider(CKirvoltDoc& doc);

}  // namespace kirvolt::testing
