#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "analysis/explanation.h"
#include "document/circuit_document.h"
#include "document/user_port.h"

namespace kirvolt {

// Makes the tables consistent with the drawing and says why the circuit cannot be checked
// against, as the analysis would refuse it; none when node equations can be checked.
std::optional<Explanation> equationCheckRefusal(CKirvoltDoc& doc);

// Whether the text is the KCL equation of the node (for a member of a macro node, the macro
// node's combined equation; for a node the voltage sources tie to the datum, its voltage):
// the same linear equation up to a factor other than zero, node voltages written V and the
// node's name, element names standing for their values. Wrong equations get each fault named.
// The tables must be filled and the circuit must have passed equationCheckRefusal.
EquationVerdict checkNodeEquation(const CKirvoltDoc& doc, int node, std::string_view text);

// What the check dialog of the node says before anything is typed.
std::string equationCheckInstructions(const CKirvoltDoc& doc, int node);

// The node whose name is the text, or none.
std::optional<int> nodeNamed(const CKirvoltDoc& doc, std::string_view name);

}  // namespace kirvolt
