#include "analysis/equilibrated_system.h"

#include <algorithm>
#include <cmath>

#include "analysis/nodal_solver.h"

namespace kirvolt {
namespace {

// A power of two near 1 / magnitude.
double scaleFor(double magnitude)
{
    return magnitude > 0.0 && std::isfinite(magnitude) ? std::exp2(-std::ilogb(magnitude)) : 1.0;
}

}  // namespace

EquilibratedSystem::EquilibratedSystem(const AugmentedMatrix& a)
    : matrix(a), rowScale(static_cast<std::size_t>(a.size()) + 1, 1.0),
      columnScale(static_cast<std::size_t>(a.size()) + 1, 1.0)
{
    const int n = a.size();
    for (int r = 1; r <= n; ++r) {
        double largest = 0.0;
        for (int c = 1; c <= n; ++c) {
            largest = std::max(largest, std::abs(a.at(r, c)));
        }
        rowScale[static_cast<std::size_t>(r)] = scaleFor(largest);
    }
    std::vector<double> largest(static_cast<std::size_t>(n) + 1, 0.0);
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            const double entry = std::abs(a.at(r, c)) * rowScale[static_cast<std::size_t>(r)];
            largest[static_cast<std::size_t>(c)] = std::max(largest[static_cast<std::size_t>(c)], entry);
        }
    }
    for (int c = 1; c <= n; ++c) {
        columnScale[static_cast<std::size_t>(c)] = scaleFor(largest[static_cast<std::size_t>(c)]);
    }
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            matrix.at(r, c) *= rowScale[static_cast<std::size_t>(r)] * columnScale[static_cast<std::size_t>(c)];
        }
    }
}

bool EquilibratedSystem::solve(const std::vector<double>& b, std::vector<double>& x) const
{
    AugmentedMatrix work = matrix;
    const int n = work.size();
    for (int r = 1; r <= n; ++r) {
        work.at(r, n + 1) = b[static_cast<std::size_t>(r)] * rowScale[static_cast<std::size_t>(r)];
    }
    if (!gaussJordanSolve(work, x)) {
        return false;
    }
    for (int c = 1; c <= n; ++c) {
        x[static_cast<std::size_t>(c)] *= columnScale[static_cast<std::size_t>(c)];
    }
    return true;
}

}  // namespace kirvolt
