#pragma once

#include <optional>
#include <vector>

#include "analysis/augmented_matrix.h"
#include "analysis/equilibrated_system.h"
#include "analysis/nodal_solver.h"
#include "analysis/sparse_system.h"

namespace kirvolt {

// The solve of a system kept as rows, each with its entries (column from 1, coefficient; no
// column twice) and its right-hand side, as the mesh and loop systems keep theirs: dense with
// one step of refinement up to DENSE_SOLVE_LIMIT rows, sparse beyond. Row is any type with
// `entries` and `rhs`.
namespace row_solve {

template <class Row>
long double rowResidual(const Row& row, const std::vector<double>& x)
{
    long double sum = row.rhs;
    for (const auto& [column, coefficient] : row.entries) {
        sum -= static_cast<long double>(coefficient) * x[static_cast<std::size_t>(column)];
    }
    return sum;
}

// b - A·x from the rows, in extended precision, for the refinement step.
template <class Row>
std::vector<double> residualOf(const std::vector<Row>& rows, const std::vector<double>& x)
{
    std::vector<double> r(rows.size() + 1, 0.0);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        r[k + 1] = static_cast<double>(rowResidual(rows[k], x));
    }
    return r;
}

template <class Row>
bool solveDense(const std::vector<Row>& rows, std::vector<double>& x)
{
    const int n = static_cast<int>(rows.size());
    AugmentedMatrix a(n);
    std::vector<double> b(static_cast<std::size_t>(n) + 1, 0.0);
    for (int r = 1; r <= n; ++r) {
        const Row& row = rows[static_cast<std::size_t>(r - 1)];
        for (const auto& [column, coefficient] : row.entries) {
            a.at(r, column) = coefficient;
        }
        a.at(r, n + 1) = row.rhs;
        b[static_cast<std::size_t>(r)] = row.rhs;
    }
    const EquilibratedSystem scaled(a);
    std::vector<double> correction;
    if (!scaled.solve(b, x) || !scaled.solve(residualOf(rows, x), correction)) {
        return false;
    }
    for (int k = 1; k <= n; ++k) {
        x[static_cast<std::size_t>(k)] += correction[static_cast<std::size_t>(k)];
    }
    return true;
}

template <class Row>
bool solveSparse(const std::vector<Row>& rows, std::vector<double>& x)
{
    const int n = static_cast<int>(rows.size());
    SparseSystem sparse(n);
    for (int r = 1; r <= n; ++r) {
        const Row& row = rows[static_cast<std::size_t>(r - 1)];
        for (const auto& [column, coefficient] : row.entries) {
            sparse.add(r, column, coefficient);
        }
        sparse.rhs(r) = row.rhs;
    }
    return sparseSolve(sparse, x, [&rows](const std::vector<double>& y) { return residualOf(rows, y); });
}

}  // namespace row_solve

// The unknowns, [k - 1] for column k, or none when elimination finds no pivot.
template <class Row>
std::optional<std::vector<double>> solveRows(const std::vector<Row>& rows)
{
    std::vector<double> x;
    const bool dense = static_cast<int>(rows.size()) <= DENSE_SOLVE_LIMIT;
    if (!(dense ? row_solve::solveDense(rows, x) : row_solve::solveSparse(rows, x))) {
        return std::nullopt;
    }
    x.resize(rows.size() + 1, 0.0);
    return std::vector<double>(x.begin() + 1, x.end());
}

}  // namespace kirvolt
