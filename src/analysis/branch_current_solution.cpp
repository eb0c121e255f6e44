#include "analysis/branch_current_solution.h"

#include <queue>

#include "analysis/branch_tables.h"
#include "analysis/circuit_solvability.h"
#include "analysis/nodal_solver.h"
#include "analysis/solution_check.h"

namespace kirvolt {
namespace {

// The voltage of every node ([node], the datum at 0 V), walked out from the datum along the
// resistors and voltage sources, whose p.d.s the branch currents give. The rule checks let no
// node be joined to the datum only through current sources. Empty when a node is not reached.
std::vector<double> nodeVoltagesFrom(const CKirvoltDoc& doc, const std::vector<double>& branchCurrents)
{
    const auto nodes = static_cast<std::size_t>(doc.nodeCount) + 1;
    std::vector<long double> voltage(nodes, 0.0L);
    std::vector<bool> reached(nodes, false);
    std::queue<int> open;
    reached[static_cast<std::size_t>(doc.datumNode)] = true;
    open.push(doc.datumNode);
    while (!open.empty()) {
        const int node = open.front();
        open.pop();
        for (int b : branchesAt(doc, node)) {
            const auto i = static_cast<std::size_t>(b);
            const int kind = doc.branchKinds[i];
            if (kind != KIND_RESISTOR && kind != KIND_VOLTAGE_SOURCE) {
                continue;
            }
            const long double pd = kind == KIND_RESISTOR ? static_cast<long double>(doc.branchValues[i]) * branchCurrents[i]
                                                         : static_cast<long double>(doc.branchValues[i]);
            const int start = doc.branchStartNodes[i];
            const int finish = doc.branchFinishNodes[i];
            const int other = start == node ? finish : start;
            if (!doc.isNode(other) || reached[static_cast<std::size_t>(other)]) {
                continue;
            }
            reached[static_cast<std::size_t>(other)] = true;
            // pd = V(start) - V(finish)
            voltage[static_cast<std::size_t>(other)] = start == node ? voltage[static_cast<std::size_t>(node)] - pd
                                                                      : voltage[static_cast<std::size_t>(node)] + pd;
            open.push(other);
        }
    }
    for (std::size_t k = 1; k < nodes; ++k) {
        if (!reached[k]) {
            return {};
        }
    }
    return {voltage.begin(), voltage.end()};
}

// The solution as the node voltage method's unknowns hold it, so that the same check of every
// element's current law and every source's p.d. judges both methods.
bool holdsForTheElements(const CKirvoltDoc& doc, const MethodSolution& solution)
{
    std::vector<int> sourceRowBranch(static_cast<std::size_t>(nodalUnknownCount(doc)) + 1, 0);
    std::vector<double> x(sourceRowBranch.size(), 0.0);
    for (int node = 1; node <= doc.nodeCount; ++node) {
        if (const int unknown = doc.nodeMap[static_cast<std::size_t>(node)]; unknown != 0) {
            x[static_cast<std::size_t>(unknown)] = solution.nodeVoltages[static_cast<std::size_t>(node)];
        }
    }
    std::size_t row = static_cast<std::size_t>(doc.nodeCount);
    for (int b = 1; b <= numberedBranchCount(doc) && row < x.size(); ++b) {
        if (isBranchOfKind(doc, b, KIND_VOLTAGE_SOURCE)) {
            sourceRowBranch[row] = b;
            x[row++] = solution.branchCurrents[static_cast<std::size_t>(b)].value_or(0.0);
        }
    }
    return SolutionCheck(doc, sourceRowBranch).holds(x);
}

}  // namespace

std::variant<MethodSolution, Explanation> solutionFromBranchCurrents(const CKirvoltDoc& doc,
                                                                     const std::vector<double>& branchCurrents)
{
    MethodSolution solution{{}, std::vector<std::optional<double>>(branchCurrents.size())};
    for (int b = 1; b < static_cast<int>(branchCurrents.size()); ++b) {
        if (isBranchOfKind(doc, b, KIND_VOLTAGE_SOURCE)) {
            solution.branchCurrents[static_cast<std::size_t>(b)] = branchCurrents[static_cast<std::size_t>(b)];
        }
    }
    solution.nodeVoltages = nodeVoltagesFrom(doc, branchCurrents);
    if (solution.nodeVoltages.empty()) {
        return Explanation{singularSystemMessage(), {}};
    }
    if (!holdsForTheElements(doc, solution)) {
        return Explanation{precisionMessage(doc), {}};
    }
    return solution;
}

}  // namespace kirvolt
