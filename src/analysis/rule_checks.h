#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/explanation.h"
#include "document/circuit_document.h"
#include "document/text_lists.h"

namespace kirvolt {

// The circuit rules checked before a solve. Each check gives nothing when the circuit passes
// and otherwise the explanation to show; the checks that find groups of sources mark them red
// for the time it is up. They read the tables of node numbering, so those must be filled first.

// Runs the six checks in order (each only when the circuit has the kinds it is about) and
// stops at the first failure.
std::optional<Explanation> runRuleChecks(const CKirvoltDoc& doc);

// Every fault the checks find, not only the first, each in the words its check shows and
// marking what it is about: each refused value (its element), each node with fewer than two
// branches (its joints), each group of parallel voltage sources and the chain of series current
// sources that the walk finds (their sources).
std::vector<Explanation> allRuleFaults(const CKirvoltDoc& doc);

std::optional<Explanation> checkVoltageSourceEmfs(const CKirvoltDoc& doc);
std::optional<Explanation> checkCurrentSourceValues(const CKirvoltDoc& doc);
std::optional<Explanation> checkResistances(const CKirvoltDoc& doc);
// A resistor of 0 ohms, named in checkResistances' words. The node voltage method has no
// conductance for it and would solve the circuit as if it were open, so every solve refuses
// it, with the rule checks or without them.
std::optional<Explanation> checkZeroResistances(const CKirvoltDoc& doc);
std::optional<Explanation> checkNodeConnections(const CKirvoltDoc& doc);
std::optional<Explanation> checkParallelVoltageSources(const CKirvoltDoc& doc);
std::optional<Explanation> checkSeriesCurrentSources(const CKirvoltDoc& doc);

// Branches with one end (not both) at the node.
int nodeDegree(const CKirvoltDoc& doc, int node);

// Branches of the given kind, other than branch, that join the same two nodes, ascending.
std::vector<int> findParallelPartners(const CKirvoltDoc& doc, int branch, int kind);

}  // namespace kirvolt
