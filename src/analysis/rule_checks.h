#pragma once

#include <string>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// The circuit rules checked before a solve. Each check returns true when the circuit passes
// and otherwise shows its explanation and returns false; the checks that find groups of
// sources colour them red while the explanation is up. They read the tables of node
// numbering, so those must be filled first.

// Runs the six checks in order (each only when the circuit has the kinds it is about) and
// stops at the first failure.
bool runRuleChecks(CKirvoltDoc& doc);

bool checkVoltageSourceEmfs(CKirvoltDoc& doc);
bool checkCurrentSourceValues(CKirvoltDoc& doc);
bool checkResistances(CKirvoltDoc& doc);
bool checkNodeConnections(CKirvoltDoc& doc);
bool checkParallelVoltageSources(CKirvoltDoc& doc);
bool checkSeriesCurrentSources(CKirvoltDoc& doc);

// Branches with one end (not both) at the node.
int nodeDegree(const CKirvoltDoc& doc, int node);

// Branches of the given kind, other than branch, that join the same two nodes, ascending.
std::vector<int> findParallelPartners(const CKirvoltDoc& doc, int branch, int kind);

// The text cut at the last occurrence of c (c and all after it removed); "Error" for empty text.
std::string trimAfterLastChar(const std::string& text, char c);

}  // namespace kirvolt
