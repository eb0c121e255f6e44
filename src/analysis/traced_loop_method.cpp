#include "analysis/traced_loop_method.h"


#include "analysis/branch_current_solution.h"
#include "analysis/branch_tables.h"
#include "analysis/circuit_solvability.h"
#include "analysis/row_solve.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

// Loops of one's own choosing often cancel in a branch, I1 - I2 through a resistor that carries
// nothing: two more corrections, added in extended precision, leaves such a branch as near
// zero as the node voltage method finds it, where the rounding of I1 and I2 would not.
std::optional<std::vector<long double>> preciseCurrents(const TracedLoopSystem& system)
{
    const auto x = solveRows(system.rows);
    if (!x) {
        return std::nullopt;
    }
    std::vector<long double> currents(x->begin(), x->end());
    std::vector<TracedLoopRow> rest = system.rows;
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t r = 0; r < rest.size(); ++r) {
            long double sum = system.rows[r].rhs;
            for (const auto& [loop, coefficient] : system.rows[r].entries) {
                sum -= coefficient * currents[static_cast<std::size_t>(loop - 1)];
            }
            rest[r].rhs = static_cast<double>(sum);
        }
        const auto correction = solveRows(rest);
        for (std::size_t k = 0; correction && k < currents.size(); ++k) {
            currents[k] += (*correction)[k];
        }
    }
    return currents;
}

}  // namespace

std::variant<MethodSolution, Explanation> TracedLoopMethod::solve(const CKirvoltDoc& doc) const
{
    auto built = buildTracedLoopSystem(doc, traced);
    if (auto* why = std::get_if<Explanation>(&built)) {
        return std::move(*why);
    }
    const TracedLoopSystem& system = std::get<TracedLoopSystem>(built);
    const auto currents = preciseCurrents(system);
    if (!currents) {
        return Explanation{singularSystemMessage(), {}};
    }
    std::vector<double> branchCurrents(static_cast<std::size_t>(numberedBranchCount(doc)) + 1, 0.0);
    for (int b = 1; b < static_cast<int>(branchCurrents.size()); ++b) {
        branchCurrents[static_cast<std::size_t>(b)] = tracedBranchCurrent(system, *currents, b);
    }
    return solutionFromBranchCurrents(doc, branchCurrents);
}

NamedSystem TracedLoopMethod::namedSystem(CKirvoltDoc& doc) const
{
    NamedSystem named{wording("NamedSystem", "The loop current system"),
                      wording("NamedSystem", "each loop current runs round its loop in the direction it was traced"),
                      wording("NamedSystem", "the circuit has no loop."), {}, {}, {}, {}, "R", "I", "E"};
    auto built = buildTracedLoopSystem(doc, traced);
    const auto* system = std::get_if<TracedLoopSystem>(&built);
    if (!system) {
        return named;
    }
    const std::size_t n = system->rows.size();
    named.g.assign(n, std::vector<double>(n, 0.0));
    for (std::size_t r = 0; r < n; ++r) {
        const std::string k = std::to_string(r + 1);
        named.unknowns.push_back({"I", k, tracedLoopCurrentName(static_cast<int>(r) + 1), "A",
                                  fillIn(wording("NamedSystem", "the current of loop %1, in the direction it was traced"), {k})});
        for (const auto& [loop, coefficient] : system->rows[r].entries) {
            named.g[r][static_cast<std::size_t>(loop - 1)] = coefficient;
        }
        named.b.push_back(system->rows[r].rhs);
    }
    named.x = solveTracedLoops(*system).value_or(std::vector<double>(n, 0.0));
    return named;
}

std::string tracedLoopCurrentName(int loop) { return "I" + std::to_string(loop); }

std::optional<std::vector<double>> solveTracedLoops(const TracedLoopSystem& system)
{
    const auto precise = preciseCurrents(system);
    return precise ? std::optional(std::vector<double>(precise->begin(), precise->end())) : std::nullopt;
}

}  // namespace kirvolt
