#include "support/system_residual.h"

#include <algorithm>
#include <cmath>

namespace kirvolt::testing {

double largestRelativeResidual(const NamedSystem& system)
{
    double largest = 0.0;
    for (std::size_t row = 0; row < system.b.size(); ++row) {
        double magnitude = std::fabs(system.b[row]);
        for (std::size_t column = 0; column < system.x.size(); ++column) {
            magnitude += std::fabs(system.g[row][column] * system.x[column]);
        }
        largest = std::max(largest, std::fabs(system.residual(row)) / std::max(1.0, magnitude));
    }
    return largest;
}

}  // namespace kirvolt::testing
