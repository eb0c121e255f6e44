#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/node_names.h"
#include "document/circuit_document.h"

namespace kirvolt {

// Fills equationText for every node: the voltage line (line 6) and the equation lines of the
// node's kind. Stops when a member of the datum's macro node has no path to it and gives back
// the message for the caller to show, "numberLink returned is zero."; otherwise none.
std::optional<std::string> writeAllEquations(CKirvoltDoc& doc);

// A node of a macro node without the datum node: the combined equation at the first macro
// node, relation lines at every other member.
void writeMacroNodeText(CKirvoltDoc& doc, const NodeNames& names, const std::vector<int>& members, int node);

// «V3 =   5.00 Volt.»: the node's name and its voltage in a field of six with two decimals,
// or with three significant digits where two decimals show fewer («V3 = 0.00500 Volt.»).
std::string voltageLine(const std::string& name, double volts);

}  // namespace kirvolt
