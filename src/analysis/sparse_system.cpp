#include "analysis/sparse_system.h"

#include <algorithm>
#include <cmath>

#include <klu.h>

namespace kirvolt {
namespace {

// KLU scales every row by its largest entry before factoring, so its pivots compare as the
// dense elimination's pivots compare with their columns: a smallest pivot this far below the
// largest is what rounding left of a value that should be zero.
constexpr double PIVOT_RATIO_TOLERANCE = 1e-13;

struct Factors {
    klu_common common{};
    klu_symbolic* symbolic = nullptr;
    klu_numeric* numeric = nullptr;

    Factors()
    {
        klu_defaults(&common);
        // Partial pivoting in full: by default KLU keeps a diagonal pivot down to a thousandth
        // of its column's largest entry, which cost the rows of voltage sources, whose
        // diagonal is zero, up to seven digits.
        common.tol = 1.0;
    }
    ~Factors()
    {
        if (numeric != nullptr) {
            klu_free_numeric(&numeric, &common);
        }
        if (symbolic != nullptr) {
            klu_free_symbolic(&symbolic, &common);
        }
    }
    Factors(const Factors&) = delete;
    Factors& operator=(const Factors&) = delete;
};

}  // namespace

SparseSystem::SparseSystem(int unknowns) : n(unknowns), rightSide(static_cast<std::size_t>(unknowns) + 1, 0.0) {}

SparseSystem::Columns SparseSystem::compressed() const
{
    std::vector<Entry> sorted = entries;
    // Stable, so that the writes to one cell keep the order in which they were made.
    std::stable_sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) {
        return a.column != b.column ? a.column < b.column : a.row < b.row;
    });
    Columns columns;
    columns.columnStarts.assign(static_cast<std::size_t>(n) + 1, 0);
    for (std::size_t i = 0; i < sorted.size();) {
        const Entry& first = sorted[i];
        double value = 0.0;
        for (; i < sorted.size() && sorted[i].row == first.row && sorted[i].column == first.column; ++i) {
            value = sorted[i].replaces ? sorted[i].value : value + sorted[i].value;
        }
        columns.rowIndices.push_back(first.row - 1);
        columns.values.push_back(value);
        ++columns.columnStarts[static_cast<std::size_t>(first.column)];
    }
    for (int c = 1; c <= n; ++c) {
        columns.columnStarts[static_cast<std::size_t>(c)] += columns.columnStarts[static_cast<std::size_t>(c - 1)];
    }
    return columns;
}

bool sparseSolve(const SparseSystem& system, std::vector<double>& x, const ResidualOf& residual)
{
    const int n = system.size();
    if (n == 0) {
        x.assign(1, 0.0);
        return true;
    }
    SparseSystem::Columns a = system.compressed();
    Factors factors;
    factors.symbolic = klu_analyze(n, a.columnStarts.data(), a.rowIndices.data(), &factors.common);
    if (factors.symbolic == nullptr) {
        return false;
    }
    factors.numeric =
        klu_factor(a.columnStarts.data(), a.rowIndices.data(), a.values.data(), factors.symbolic, &factors.common);
    if (factors.numeric == nullptr || factors.common.status != KLU_OK) {
        return false;
    }
    if (!klu_rcond(factors.symbolic, factors.numeric, &factors.common) ||
        !(factors.common.rcond > PIVOT_RATIO_TOLERANCE)) {
        return false;
    }
    const auto solve = [&](std::vector<double> b, std::vector<double>& into) {
        if (!klu_solve(factors.symbolic, factors.numeric, n, 1, b.data(), &factors.common) ||
            !std::all_of(b.begin(), b.end(), [](double v) { return std::isfinite(v); })) {
            return false;
        }
        into.assign(static_cast<std::size_t>(n) + 1, 0.0);
        std::copy(b.begin(), b.end(), into.begin() + 1);
        return true;
    };
    std::vector<double> solution;
    if (!solve(std::vector<double>(system.rhs().begin() + 1, system.rhs().end()), solution)) {
        return false;
    }
    if (residual) {
        const std::vector<double> r = residual(solution);
        std::vector<double> correction;
        if (!solve(std::vector<double>(r.begin() + 1, r.end()), correction)) {
            return false;
        }
        for (std::size_t k = 1; k < solution.size(); ++k) {
            solution[k] += correction[k];
        }
    }
    x = std::move(solution);
    return true;
}

}  // namespace kirvolt
