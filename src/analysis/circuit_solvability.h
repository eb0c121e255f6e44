#pragma once

#include <optional>
#include <string>

#include "document/circuit_document.h"

namespace kirvolt {

// Why the node equations of the circuit can have no unique solution, found from its
// topology: a closed loop of voltage sources, or a part of the circuit that neither
// resistors nor voltage sources join to the datum node (joined to the rest only through
// current sources, or not at all). Empty when the topology allows a solution. Reads the
// branch tables, labels and nodeMap of node numbering.
std::optional<std::string> unsolvableCircuitMessage(const CKirvoltDoc& doc);

// The explanation shown when elimination finds no usable pivot for another reason.
std::string singularSystemMessage();

}  // namespace kirvolt
