#include "analysis/loop_system.h"

#include <map>

#include "analysis/branch_tables.h"
#include "analysis/row_solve.h"

namespace kirvolt {
namespace {

LoopRow voltageLaw(const CKirvoltDoc& doc, const LoopTree& tree, int k)
{
    LoopRow row{false, k, {}, 0.0};
    std::map<int, double> entries;
    for (const LoopStep& step : tree.loop(k).steps) {
        const double value = doc.branchValues[static_cast<std::size_t>(step.branch)];
        if (isBranchOfKind(doc, step.branch, KIND_RESISTOR)) {
            for (const auto& [other, sign] : tree.through[static_cast<std::size_t>(step.branch)]) {
                entries[other] += step.sign * sign * value;
            }
        } else if (isBranchOfKind(doc, step.branch, KIND_VOLTAGE_SOURCE)) {
            // Through a source from + to - the voltage drops; the other way it rises.
            row.rhs -= step.sign * value;
        }
    }
    for (const auto& [loop, coefficient] : entries) {
        if (coefficient != 0.0) {
            row.entries.emplace_back(loop, coefficient);
        }
    }
    return row;
}

}  // namespace

std::variant<LoopSystem, Explanation> buildLoopSystem(const CKirvoltDoc& doc, const std::vector<std::string>& tree)
{
    auto chosen = loopTreeOf(doc, tree);
    if (auto* why = std::get_if<Explanation>(&chosen)) {
        return std::move(*why);
    }
    LoopSystem system{std::move(std::get<LoopTree>(chosen)), {}};
    for (int k = 1; k <= system.tree.count(); ++k) {
        const int chord = system.tree.loop(k).chord;
        if (isBranchOfKind(doc, chord, KIND_CURRENT_SOURCE)) {
            system.rows.push_back({true, k, {{k, 1.0}}, doc.branchValues[static_cast<std::size_t>(chord)]});
        } else {
            system.rows.push_back(voltageLaw(doc, system.tree, k));
        }
    }
    return system;
}

std::optional<std::vector<double>> solveLoopCurrents(const LoopSystem& system) { return solveRows(system.rows); }

double loopBranchCurrent(const LoopTree& tree, const std::vector<double>& currents, int branch)
{
    long double sum = 0.0L;
    for (const auto& [loop, sign] : tree.through[static_cast<std::size_t>(branch)]) {
        sum += sign * static_cast<long double>(currents[static_cast<std::size_t>(loop - 1)]);
    }
    return static_cast<double>(sum);
}

}  // namespace kirvolt
