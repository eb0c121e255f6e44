#include "analysis/traced_loop_system.h"

#include <algorithm>
#include <map>

#include "analysis/branch_tables.h"
#include "analysis/exact_ratio.h"
#include "document/text_lists.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

using Ratios = std::vector<ExactRatio>;

// Each current source's constraint as a row over the loops, and the loop each is written at:
// elimination in source order, each pivot the first loop the source's reduced row still meets.
struct SourcePivots {
    std::vector<int> sources;
    std::vector<int> pivot;   // [i]: the loop (from 1) source i is written at; 0 when none is left
    std::vector<Ratios> rref;  // the reduced rows, each 1 at its pivot and 0 at the other pivots
};

SourcePivots pivotSources(const CKirvoltDoc& doc, const TracedLoopSystem& system)
{
    const std::size_t m = system.loops.size();
    SourcePivots p;
    for (int b = 1; b <= numberedBranchCount(doc); ++b) {
        if (!isBranchOfKind(doc, b, KIND_CURRENT_SOURCE)) {
            continue;
        }
        Ratios row(m);
        for (const auto& [loop, sign] : system.through[static_cast<std::size_t>(b)]) {
            row[static_cast<std::size_t>(loop - 1)] = sign;
        }
        for (std::size_t i = 0; i < p.rref.size(); ++i) {
            if (p.pivot[i] == 0) {
                continue;
            }
            const ExactRatio factor = row[static_cast<std::size_t>(p.pivot[i] - 1)];
            for (std::size_t k = 0; k < m; ++k) {
                row[k] = row[k] - factor * p.rref[i][k];
            }
        }
        const auto lead = std::ranges::find_if(row, [](const ExactRatio& r) { return !r.zero(); });
        int pivot = 0;
        if (lead != row.end()) {
            pivot = static_cast<int>(lead - row.begin()) + 1;
            const ExactRatio scale = *lead;
            for (ExactRatio& r : row) {
                r = r / scale;
            }
            for (Ratios& other : p.rref) {
                const ExactRatio factor = other[static_cast<std::size_t>(pivot - 1)];
                for (std::size_t k = 0; k < m; ++k) {
                    other[k] = other[k] - factor * row[k];
                }
            }
        }
        p.sources.push_back(b);
        p.pivot.push_back(pivot);
        p.rref.push_back(std::move(row));
    }
    return p;
}

// The free loop with the taken loops that cancel its sources, in whole numbers.
std::vector<std::pair<int, int>> combinationAt(const SourcePivots& p, int loop)
{
    std::map<int, ExactRatio> c{{loop, 1}};
    for (std::size_t i = 0; i < p.rref.size(); ++i) {
        if (p.pivot[i] != 0 && !p.rref[i][static_cast<std::size_t>(loop - 1)].zero()) {
            c[p.pivot[i]] = ExactRatio(0) - p.rref[i][static_cast<std::size_t>(loop - 1)];
        }
    }
    long long times = 1;
    for (const auto& [k, r] : c) {
        times = std::lcm(times, r.den);
    }
    std::vector<std::pair<int, int>> whole;
    for (const auto& [k, r] : c) {
        whole.emplace_back(k, static_cast<int>(r.num * (times / r.den)));
    }
    return whole;
}

TracedLoopRow voltageLaw(const CKirvoltDoc& doc, const TracedLoopSystem& system, TracedLoopRow row)
{
    std::map<int, double> entries;
    for (const auto& [branch, count] : combinedBranches(system, row)) {
        const double value = doc.branchValues[static_cast<std::size_t>(branch)];
        if (isBranchOfKind(doc, branch, KIND_RESISTOR)) {
            for (const auto& [other, sign] : system.through[static_cast<std::size_t>(branch)]) {
                entries[other] += count * sign * value;
            }
        } else if (isBranchOfKind(doc, branch, KIND_VOLTAGE_SOURCE)) {
            // Through a source from + to - the voltage drops; the other way it rises.
            row.rhs -= count * value;
        }
    }
    for (const auto& [loop, coefficient] : entries) {
        if (coefficient != 0.0) {
            row.entries.emplace_back(loop, coefficient);
        }
    }
    return row;
}

TracedLoopRow constraint(const CKirvoltDoc& doc, const TracedLoopSystem& system, int source, int loop)
{
    TracedLoopRow row{loop, source, {}, {}, doc.branchValues[static_cast<std::size_t>(source)]};
    for (const auto& [k, sign] : system.through[static_cast<std::size_t>(source)]) {
        row.entries.emplace_back(k, static_cast<double>(sign));
    }
    return row;
}

Explanation unmanageable(const CKirvoltDoc& doc, const SourcePivots& p, std::size_t i)
{
    std::vector<std::string> names;
    for (std::size_t j = 0; j <= i; ++j) {
        names.push_back(doc.labels[static_cast<std::size_t>(p.sources[j])]);
    }
    Explanation why{fillIn(wording("TracedLoop", "The current of %1 follows from the loops' currents through %2 already, "
                                                 "so your loops cannot take every current source into account."),
                           {doc.labels[static_cast<std::size_t>(p.sources[i])], spokenList(names)}),
                    {}};
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_CURRENT_SOURCE && std::ranges::find(names, element->label) != names.end()) {
            why.highlight.paintRed(*element);
        }
    }
    return why;
}

}  // namespace

std::vector<std::pair<int, int>> combinedBranches(const TracedLoopSystem& system, const TracedLoopRow& row)
{
    std::map<int, int> counts;
    std::vector<int> order;
    for (const auto& [k, c] : row.combination) {
        for (const LoopStep& step : system.loops[static_cast<std::size_t>(k - 1)]) {
            if (!counts.contains(step.branch)) {
                order.push_back(step.branch);
            }
            counts[step.branch] += c * step.sign;
        }
    }
    std::vector<std::pair<int, int>> branches;
    for (int b : order) {
        if (counts[b] != 0) {
            branches.emplace_back(b, counts[b]);
        }
    }
    return branches;
}

std::variant<TracedLoopSystem, Explanation> buildTracedLoopSystem(const CKirvoltDoc& doc,
                                                                  const std::vector<std::vector<LoopStep>>& loops)
{
    TracedLoopSystem system{loops, std::vector<std::vector<std::pair<int, int>>>(static_cast<std::size_t>(numberedBranchCount(doc)) + 1), {}};
    for (std::size_t k = 0; k < loops.size(); ++k) {
        for (const LoopStep& step : loops[k]) {
            system.through[static_cast<std::size_t>(step.branch)].emplace_back(static_cast<int>(k) + 1, step.sign);
        }
    }
    const SourcePivots p = pivotSources(doc, system);
    std::vector<int> sourceAt(loops.size() + 1, 0);
    for (std::size_t i = 0; i < p.sources.size(); ++i) {
        if (p.pivot[i] == 0) {
            return unmanageable(doc, p, i);
        }
        sourceAt[static_cast<std::size_t>(p.pivot[i])] = p.sources[i];
    }
    for (int k = 1; k <= static_cast<int>(loops.size()); ++k) {
        const int source = sourceAt[static_cast<std::size_t>(k)];
        system.rows.push_back(source != 0 ? constraint(doc, system, source, k)
                                          : voltageLaw(doc, system, {k, 0, combinationAt(p, k), {}, 0.0}));
    }
    return system;
}

double tracedBranchCurrent(const TracedLoopSystem& system, const std::vector<long double>& currents, int branch)
{
    long double sum = 0.0L;
    for (const auto& [loop, sign] : system.through[static_cast<std::size_t>(branch)]) {
        sum += sign * currents[static_cast<std::size_t>(loop - 1)];
    }
    return static_cast<double>(sum);
}

}  // namespace kirvolt
