#pragma once

#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// Reads of the branch and node tables shared by the equation writers. A branch touches a
// node when its incidence entry there is +1 or -1.
int incidenceAt(const CKirvoltDoc& doc, int node, int branch);
bool touches(const CKirvoltDoc& doc, int node, int branch);
bool isBranchOfKind(const CKirvoltDoc& doc, int branch, int kind);

// The nodes the branch touches, ascending; one node for a branch whose ends meet.
std::vector<int> nodesTouched(const CKirvoltDoc& doc, int branch);

// A resistor carries no current when its ends lie on one node.
bool endsOnOneNode(const CKirvoltDoc& doc, int branch);

// 1/R, with a resistor of 0 ohm left out of every sum as the solver leaves it out.
double conductanceOf(const CKirvoltDoc& doc, int branch);

}  // namespace kirvolt
