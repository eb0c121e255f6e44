#pragma once

#include <cstddef>
#include <vector>

namespace kirvolt {

// The augmented matrix [G | J] of a nodal system with N unknowns: rows 1..N, columns
// 1..N+1 (column N+1 is the right-hand side; column 0 is unused). Stored row by row in one
// block so that elimination runs along contiguous memory.
class AugmentedMatrix {
public:
    explicit AugmentedMatrix(int unknowns = 0)
        : n(unknowns), stride(static_cast<std::size_t>(unknowns) + 2),
          cells(static_cast<std::size_t>(unknowns) * stride, 0.0)
    {
    }

    int size() const { return n; }

    // Row r as an array indexed by column 1..N+1.
    double* row(int r) { return cells.data() + static_cast<std::size_t>(r - 1) * stride; }
    const double* row(int r) const { return cells.data() + static_cast<std::size_t>(r - 1) * stride; }

    double& at(int r, int c) { return row(r)[c]; }
    double at(int r, int c) const { return row(r)[c]; }

private:
    int n;
    std::size_t stride;
    std::vector<double> cells;
};

}  // namespace kirvolt
