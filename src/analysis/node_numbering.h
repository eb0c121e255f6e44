#pragma once

#include "document/circuit_document.h"

namespace kirvolt {

// Chooses the datum node and maps the other nodes to unknowns 1..n-1 in ascending order
// (nodeMap); marks the datum node's joints. Does nothing while there are no nodes.
void selectDatum(CKirvoltDoc& doc, int node);

// Numbers the branch components 1, 2, ... in list order (branchIndex) and tabulates their
// labels, values, value texts and kinds.
void fillComponentTables(CKirvoltDoc& doc);

// Tabulates each branch's value, kind and end nodes, sets branchCount and lists the distinct
// nodes at branch terminals in ascending order (nodeList).
void fillBranchTables(CKirvoltDoc& doc);

// incidence[node][branch]: +1 at the branch's start node, -1 at its finish node.
void fillIncidence(CKirvoltDoc& doc);

}  // namespace kirvolt
