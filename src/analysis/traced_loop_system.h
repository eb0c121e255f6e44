#pragma once

#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "analysis/explanation.h"
#include "analysis/loop_tree.h"
#include "document/circuit_document.h"

namespace kirvolt {

// One row of R·I = E over loops of one's own choosing, written at loop `loop`: the voltage law
// round a combination of the loops that meets no current source (a loop on its own when no
// source lies on it), or the constraint a current source puts on the loops through it.
struct TracedLoopRow {
    int loop = 0;
    int source = 0;  // the current source whose constraint it is; 0 for a voltage law
    // The voltage law's combination: (loop, whole coefficient), ascending, none zero.
    std::vector<std::pair<int, int>> combination;
    std::vector<std::pair<int, double>> entries;  // (loop, coefficient), ascending, none zero
    double rhs = 0.0;
};

// The loop current system of loops given as signed branches: [k - 1] is loop k's current I_k,
// and row k - 1 is written at loop k.
struct TracedLoopSystem {
    std::vector<std::vector<LoopStep>> loops;
    // [branch]: the loops through it, ascending, each with its sign there.
    std::vector<std::vector<std::pair<int, int>>> through;
    std::vector<TracedLoopRow> rows;
};

// The equations of independent loops, as many as the numbered circuit has: a current source
// on one loop alone fixes that loop's current; one on several loops gives its constraint at
// the first of them not taken by an earlier source, and every loop left gets the voltage law
// of the combination of itself and the taken loops that meets no current source, as a
// supermesh does. Refused, with why, when the current sources cannot be dealt with so.
std::variant<TracedLoopSystem, Explanation> buildTracedLoopSystem(const CKirvoltDoc& doc,
                                                                  const std::vector<std::vector<LoopStep>>& loops);

// The current through the branch from its start to its finish terminal: the loop currents
// through it, each signed by its way through the branch.
double tracedBranchCurrent(const TracedLoopSystem& system, const std::vector<long double>& currents, int branch);

// The combination's branches with their signed counts, in the order its loops trace them
// (each branch once, where the count is not zero).
std::vector<std::pair<int, int>> combinedBranches(const TracedLoopSystem& system, const TracedLoopRow& row);

}  // namespace kirvolt
