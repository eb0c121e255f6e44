#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/mesh_system.h"
#include "document/circuit_document.h"
#include "equations/linear_form.h"

namespace kirvolt {

// The part of a typed equation that an element's name brought in: the equation read once more
// with that element's value raised by 1, less the equation as typed; none where the text does
// not read with the other value.
using TermTrace = std::function<std::optional<LinearForm>(int branch)>;

// The faults of a typed equation (left side minus right, over mesh numbers) that is not a
// multiple of the voltage law of the row, each a sentence: a term for an element off the
// meshes or for a current source, a resistor's drop missing, without the neighbour's current
// or with it the wrong way round, a coefficient that adds up wrong, an EMF missing or with
// the wrong sign.
std::vector<std::string> meshVoltageLawFaults(const CKirvoltDoc& doc, const MeshSystem& system, const MeshRow& row,
                                              const LinearForm& typed, const TermTrace& trace);

// The row as an equation brought to one side: Σ entry·I(mesh) - rhs.
LinearForm meshRowForm(const MeshRow& row);

// "mesh 2", or "the supermesh of meshes 1 and 2".
std::string meshSubject(const MeshRow& row);

}  // namespace kirvolt
