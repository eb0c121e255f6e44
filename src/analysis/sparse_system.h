#pragma once

#include <functional>
#include <vector>

namespace kirvolt {

// A nodal system of N unknowns kept as its nonzero entries, for circuits whose dense matrix
// would not fit. Rows and columns 1..N as on the dense matrix; entries are written in the
// same order as there, and a later write to a cell adds to it or replaces it in the same way,
// so both hold the same numbers.
class SparseSystem {
public:
    explicit SparseSystem(int unknowns);

    int size() const { return n; }
    void add(int r, int c, double value) { entries.push_back({r, c, value, false}); }
    void set(int r, int c, double value) { entries.push_back({r, c, value, true}); }
    // The right-hand side, indexed 1..N.
    double& rhs(int r) { return rightSide[static_cast<std::size_t>(r)]; }
    const std::vector<double>& rhs() const { return rightSide; }

    // The matrix in compressed columns, indices from 0: the rows of column c are
    // rowIndices[columnStarts[c] .. columnStarts[c + 1]), each once, ascending.
    struct Columns {
        std::vector<int> columnStarts;
        std::vector<int> rowIndices;
        std::vector<double> values;
    };
    Columns compressed() const;

private:
    struct Entry {
        int row;
        int column;
        double value;
        bool replaces;
    };

    int n;
    std::vector<Entry> entries;
    std::vector<double> rightSide;
};

// b - A x for a solution x, worked out more exactly than the matrix holds it.
using ResidualOf = std::function<std::vector<double>(const std::vector<double>& x)>;

// Sparse LU factorization (KLU, which scales every row by its largest entry first) of the
// system. Returns false, leaving x untouched, when the factorization finds a zero pivot or a
// smallest pivot that is rounding beside the largest; otherwise x[1..N] is the solution,
// refined by one step with the residual when one is given.
bool sparseSolve(const SparseSystem& system, std::vector<double>& x, const ResidualOf& residual = {});

}  // namespace kirvolt
