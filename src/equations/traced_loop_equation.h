#pragma once

#include <vector>

#include "analysis/traced_loop_system.h"
#include "document/circuit_document.h"
#include "equations/loop_equation.h"

namespace kirvolt {

// The equation of every row of loops of one's own choosing, [k - 1] for the row written at
// loop k: in words, with element names, with their value texts and with collected numbers, as
// the loop and mesh equations are written. The branch tables must be filled.
std::vector<LoopEquation> tracedLoopEquations(const CKirvoltDoc& doc, const TracedLoopSystem& system);

}  // namespace kirvolt
