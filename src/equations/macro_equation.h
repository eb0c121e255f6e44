#pragma once

#include <string>
#include <vector>

#include "analysis/node_names.h"
#include "document/circuit_document.h"
#include "equations/equation_text.h"

namespace kirvolt {

// Lines 1 to 5 of a macro node's combined KCL equation, stored at its first node. Members as
// collectMacroNode gives them: the clicked node first, then the others in the order found.
void writeMacroEquation(CKirvoltDoc& doc, const NodeNames& names, const std::vector<int>& members, int node);

// Line 1: which nodes form the macro node and through which voltage sources.
std::string macroNodeDescription(const CKirvoltDoc& doc, const NodeNames& names, const std::vector<int>& members);

// Line 2 whole: the voltage differences across every resistor leaving the macro node, then
// "  =  " and the current sources.
std::string macroTermsLine(const CKirvoltDoc& doc, const NodeNames& names, const std::vector<int>& members);

// The left sides of lines 3, 4 and 5: each member's self part, then the mutual terms of the
// nodes outside.
EquationSides macroCollectedSides(const CKirvoltDoc& doc, const NodeNames& names, const std::vector<int>& members);

// The right sides of lines 3 to 5: the current sources of every member in turn.
EquationSides macroSourceSides(const CKirvoltDoc& doc, const std::vector<int>& members);

}  // namespace kirvolt
