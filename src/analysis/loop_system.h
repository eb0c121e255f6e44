#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "analysis/explanation.h"
#include "analysis/loop_tree.h"
#include "document/circuit_document.h"

namespace kirvolt {

// One row of R·I = E of the loop current method: the voltage law round a chord's loop, or,
// for the loop of a current source, the source's fixing of its current.
struct LoopRow {
    bool fixedBySource = false;
    int loop = 0;                                 // the loop it is written for
    std::vector<std::pair<int, double>> entries;  // (loop, coefficient), ascending, none zero
    double rhs = 0.0;
};

// The loop current system of a numbered circuit: row k - 1 is loop k's.
struct LoopSystem {
    LoopTree tree;
    std::vector<LoopRow> rows;
};

// The loops of the tree of those branches (loopTreeOf: the textbook's when none are named) and
// their equations: round each loop every
// resistor's drop is its resistance times the sum of the loop currents through it, each
// signed by its way through the resistor against the loop's, and the EMFs met on the way
// are on the right; a current source's loop current is its value. Refuses, with the
// explanation, a tree that is none.
std::variant<LoopSystem, Explanation> buildLoopSystem(const CKirvoltDoc& doc, const std::vector<std::string>& tree = {});

// The loop currents, [k - 1] for loop k, or none when elimination finds no pivot.
std::optional<std::vector<double>> solveLoopCurrents(const LoopSystem& system);

// The current through the branch from its start to its finish terminal: the sum of the loop
// currents through it, each signed by its way through the branch.
double loopBranchCurrent(const LoopTree& tree, const std::vector<double>& currents, int branch);

}  // namespace kirvolt
