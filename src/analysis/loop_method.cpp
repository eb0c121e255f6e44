#include "analysis/loop_method.h"

#include "analysis/branch_current_solution.h"
#include "analysis/branch_tables.h"
#include "analysis/circuit_solvability.h"
#include "document/wording.h"

namespace kirvolt {

int LoopMethod::unknownCount(const CKirvoltDoc& doc) const
{
    const auto chosen = loopTreeOf(doc, chosenTree);
    const auto* tree = std::get_if<LoopTree>(&chosen);
    return tree ? tree->count() : 0;
}

std::variant<MethodSolution, Explanation> LoopMethod::solve(const CKirvoltDoc& doc) const
{
    auto built = buildLoopSystem(doc, chosenTree);
    if (auto* why = std::get_if<Explanation>(&built)) {
        return std::move(*why);
    }
    const LoopSystem& system = std::get<LoopSystem>(built);
    const auto currents = solveLoopCurrents(system);
    if (!currents) {
        return Explanation{singularSystemMessage(), {}};
    }
    std::vector<double> branchCurrents(static_cast<std::size_t>(numberedBranchCount(doc)) + 1, 0.0);
    for (int b = 1; b < static_cast<int>(branchCurrents.size()); ++b) {
        branchCurrents[static_cast<std::size_t>(b)] = loopBranchCurrent(system.tree, *currents, b);
    }
    return solutionFromBranchCurrents(doc, branchCurrents);
}

NamedSystem LoopMethod::namedSystem(CKirvoltDoc& doc) const
{
    NamedSystem named{wording("NamedSystem", "The loop current system"),
                      wording("NamedSystem", "each loop current runs through its chord in the chord's own direction"),
                      wording("NamedSystem", "the circuit has no loop."), {}, {}, {}, {}, "R", "I", "E"};
    auto built = buildLoopSystem(doc, chosenTree);
    const auto* system = std::get_if<LoopSystem>(&built);
    if (!system) {
        return named;
    }
    const std::size_t n = system->rows.size();
    named.g.assign(n, std::vector<double>(n, 0.0));
    for (std::size_t r = 0; r < n; ++r) {
        const int chord = system->tree.loops[r].chord;
        named.unknowns.push_back(loopCurrentUnknown(doc.labels[static_cast<std::size_t>(chord)]));
        for (const auto& [loop, coefficient] : system->rows[r].entries) {
            named.g[r][static_cast<std::size_t>(loop - 1)] = coefficient;
        }
        named.b.push_back(system->rows[r].rhs);
    }
    named.x = solveLoopCurrents(*system).value_or(std::vector<double>(n, 0.0));
    return named;
}

const AnalysisMethod& loopMethod()
{
    static const LoopMethod method;
    return method;
}

std::string loopCurrentName(const std::string& chord) { return "I_" + chord; }

Unknown loopCurrentUnknown(const std::string& chord)
{
    return {"I", chord, loopCurrentName(chord), "A", fillIn(wording("NamedSystem", "the current of the loop that %1 closes, in its direction"), {chord})};
}

}  // namespace kirvolt
