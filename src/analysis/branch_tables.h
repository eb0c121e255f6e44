#pragma once

#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// Reads of the tables that node numbering fills. The counts stored with the document may be
// older than the tables (or come from a file, before any table is filled), so every read stays
// within what the tables hold: a node or branch outside them touches nothing.

// The nodes 1..n and branches 1..b that the tables hold.
int numberedNodeCount(const CKirvoltDoc& doc);
int numberedBranchCount(const CKirvoltDoc& doc);

// +1 where the branch starts at the node, -1 where it finishes (a branch whose ends meet
// leaves -1), 0 elsewhere.
int incidenceAt(const CKirvoltDoc& doc, int node, int branch);
// A branch touches a node when its incidence entry there is +1 or -1.
bool touches(const CKirvoltDoc& doc, int node, int branch);
bool isBranchOfKind(const CKirvoltDoc& doc, int branch, int kind);

// The branches touching the node, ascending; each once.
const std::vector<int>& branchesAt(const CKirvoltDoc& doc, int node);

// The nodes the branch touches, ascending; one node for a branch whose ends meet.
std::vector<int> nodesTouched(const CKirvoltDoc& doc, int branch);

// A resistor carries no current when its ends lie on one node.
bool endsOnOneNode(const CKirvoltDoc& doc, int branch);

// 1/R, with a resistor of 0 ohm left out of every sum as the solver leaves it out.
double conductanceOf(const CKirvoltDoc& doc, int branch);

}  // namespace kirvolt
