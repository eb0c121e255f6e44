#pragma once

#include <string>
#include <vector>

#include "analysis/loop_system.h"
#include "document/circuit_document.h"
#include "equations/linear_form.h"
#include "equations/mesh_kvl_faults.h"

namespace kirvolt {

// The faults of a typed equation (left side minus right, over loop numbers) that is not a
// multiple of the voltage law of the loop's row, each a sentence in the words the mesh
// faults use: a term for an element off the loop or for a current source, a resistor's drop
// missing, without the other loop currents through it or with them the wrong way, a drop of
// the wrong sign, an EMF missing or with the wrong sign.
std::vector<std::string> loopVoltageLawFaults(const CKirvoltDoc& doc, const LoopSystem& system, const LoopRow& row,
                                              const LinearForm& typed, const TermTrace& trace);

// The row as an equation brought to one side: Σ entry·I(loop) - rhs.
LinearForm loopRowForm(const LoopRow& row);

// "the loop of R3".
std::string loopSubject(const CKirvoltDoc& doc, const LoopTree& tree, int loop);

// «I_R3», the current of loop k.
std::string loopCurrentOf(const CKirvoltDoc& doc, const LoopTree& tree, int loop);

}  // namespace kirvolt
