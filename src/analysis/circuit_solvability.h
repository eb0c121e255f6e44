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

// The explanation shown when double precision cannot give a solution whose currents and p.d.s
// agree with each other: the values span too many orders of magnitude, from the smallest to
// the largest of the kind (resistances, EMFs or source currents) that spans the most.
std::string precisionMessage(const CKirvoltDoc& doc);

}  // namespace kirvolt
