#pragma once

#include <vector>

#include "analysis/augmented_matrix.h"

namespace kirvolt {

// A dense system with every row and then every column scaled by a power of two to a largest
// entry near 1, so that the pivots of circuits from picoohms to teraohms compare as those of
// ohms do; the solution is x = C y for the solution y of the scaled system. Powers of two
// round nothing, so the scaled system holds exactly the numbers of the system.
class EquilibratedSystem {
public:
    explicit EquilibratedSystem(const AugmentedMatrix& system);

    // The solution x[1..N] for the right-hand side b[1..N] by Gauss-Jordan elimination of a
    // copy of the scaled matrix, or false when the elimination finds no pivot. The scaled
    // matrix is kept, so that refinement can solve it again for the residual.
    bool solve(const std::vector<double>& b, std::vector<double>& x) const;

private:
    AugmentedMatrix matrix;
    std::vector<double> rowScale;
    std::vector<double> columnScale;
};

}  // namespace kirvolt
