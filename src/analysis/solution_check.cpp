#include "analysis/solution_check.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "analysis/branch_tables.h"

namespace kirvolt {
namespace {

// How closely the current law and the sources' p.d.s must hold: far finer than the three
// significant digits the results show, far coarser than the rounding of a double.
constexpr long double LAW_TOLERANCE = 1e-7L;
// A 0 V source's two nodes may differ by the rounding of the circuit's voltages, and a node whose
// currents are all zero (a part of the circuit that carries none) shows the rounding of its
// neighbours' voltages: what is that small beside the largest current is no contradiction.
constexpr long double ROUNDING_ALLOWANCE = 16 * std::numeric_limits<double>::epsilon();

}  // namespace

SolutionCheck::SolutionCheck(const CKirvoltDoc& doc, const std::vector<int>& sourceRowBranch) : doc(doc)
{
    std::vector<int> rowOfBranch(static_cast<std::size_t>(numberedBranchCount(doc)) + 1, 0);
    for (std::size_t r = 1; r < sourceRowBranch.size(); ++r) {
        const int branch = sourceRowBranch[r];
        if (branch >= 1 && branch < static_cast<int>(rowOfBranch.size())) {
            rowOfBranch[static_cast<std::size_t>(branch)] = static_cast<int>(r);
        }
    }
    for (int i = 1; i <= numberedBranchCount(doc); ++i) {
        const int kind = doc.branchKinds[i];
        if (kind == KIND_RESISTOR || kind == KIND_VOLTAGE_SOURCE || kind == KIND_CURRENT_SOURCE) {
            branches.push_back({kind, doc.branchStartNodes[i], doc.branchFinishNodes[i], doc.branchValues[i],
                                rowOfBranch[static_cast<std::size_t>(i)]});
        }
    }
}

long double SolutionCheck::voltage(const std::vector<double>& x, int node) const
{
    const int unknown = doc.nodeMap[node];
    return unknown == 0 ? 0.0L : static_cast<long double>(x[static_cast<std::size_t>(unknown)]);
}

// The current leaving the branch's start node through it.
long double SolutionCheck::current(const std::vector<double>& x, const Branch& b) const
{
    switch (b.kind) {
    case KIND_RESISTOR:
        return b.value == 0.0 ? 0.0L : (voltage(x, b.start) - voltage(x, b.finish)) / b.value;
    case KIND_VOLTAGE_SOURCE:
        return b.row == 0 ? 0.0L : x[static_cast<std::size_t>(b.row)];
    default:
        return b.value;
    }
}

std::vector<double> SolutionCheck::residual(const std::vector<double>& x) const
{
    std::vector<long double> r(x.size(), 0.0L);
    for (const Branch& b : branches) {
        const long double i = current(x, b);
        const auto at = [this](int node) { return static_cast<std::size_t>(doc.nodeMap[node]); };
        // The row of a node holds the currents leaving it on the left and the sources' on the right.
        r[at(b.start)] -= i;
        r[at(b.finish)] += i;
        if (b.kind == KIND_VOLTAGE_SOURCE && b.row != 0) {
            r[static_cast<std::size_t>(b.row)] = b.value - (voltage(x, b.start) - voltage(x, b.finish));
        }
    }
    std::vector<double> rounded(x.size(), 0.0);
    for (std::size_t k = 1; k < r.size(); ++k) {
        rounded[k] = static_cast<double>(r[k]);
    }
    return rounded;
}

bool SolutionCheck::holds(const std::vector<double>& x) const
{
    for (std::size_t k = 1; k < x.size(); ++k) {
        if (!std::isfinite(x[k])) {
            return false;
        }
    }
    const std::size_t nodes = static_cast<std::size_t>(numberedNodeCount(doc)) + 1;
    std::vector<long double> net(nodes, 0.0L);
    std::vector<long double> size(nodes, 0.0L);
    long double largest = 0.0L;
    // A 0 V source shows the rounding of the circuit's voltages, the largest node voltage or
    // the largest current through the largest resistance, which may be far more than its own
    // nodes' voltages (a current source that a 0 V source shorts leaves every node near 0 V).
    long double highest = 0.0L;
    long double resistance = 0.0L;
    for (const Branch& b : branches) {
        highest = std::max({highest, std::abs(voltage(x, b.start)), std::abs(voltage(x, b.finish))});
        resistance = std::max(resistance, b.kind == KIND_RESISTOR ? std::abs(static_cast<long double>(b.value)) : 0.0L);
    }
    long double shorted = 0.0L;  // the largest p.d. of a 0 V source
    for (const Branch& b : branches) {
        const long double i = current(x, b);
        net[static_cast<std::size_t>(b.start)] += i;
        net[static_cast<std::size_t>(b.finish)] -= i;
        size[static_cast<std::size_t>(b.start)] += std::abs(i);
        size[static_cast<std::size_t>(b.finish)] += std::abs(i);
        largest = std::max(largest, std::abs(i));
        if (b.kind == KIND_VOLTAGE_SOURCE) {
            const long double vs = voltage(x, b.start);
            const long double vf = voltage(x, b.finish);
            if (b.value == 0.0) {
                shorted = std::max(shorted, std::abs(vs - vf));
            } else if (std::abs(b.value - (vs - vf)) > LAW_TOLERANCE * std::abs(static_cast<long double>(b.value))) {
                return false;
            }
        }
    }
    if (shorted > ROUNDING_ALLOWANCE * std::max(highest, largest * resistance)) {
        return false;
    }
    for (std::size_t k = 1; k < nodes; ++k) {
        if (std::abs(net[k]) > std::max(LAW_TOLERANCE * size[k], ROUNDING_ALLOWANCE * largest)) {
            return false;
        }
    }
    return true;
}

}  // namespace kirvolt
