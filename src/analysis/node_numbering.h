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

// The node-branch incidence, kept as the list of branches at each node (nodeBranches): a
// branch belongs to the lists of its start and finish nodes. Read it through branch_tables.h.
void fillIncidence(CKirvoltDoc& doc);

// The element numbering, the branch tables and the incidence, without choosing a datum: what
// the tables must hold once the nodes have been built again, so that nothing reads branches
// of nodes that no longer exist.
void numberBranches(CKirvoltDoc& doc);

// Every numbering table at once, in the order the analysis fills them: selectDatum with the
// document's datum node, fillComponentTables, fillBranchTables, fillIncidence.
void numberCircuit(CKirvoltDoc& doc);

}  // namespace kirvolt
