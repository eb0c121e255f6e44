#include "editing/value_steps.h"

#include <array>
#include <cmath>

#include "document/codes.h"
#include "document/value_range.h"

namespace kirvolt {
namespace {

constexpr std::array<int, 12> E12{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
// Values are compared with this much slack, so that a value read back from a text as 4.7 is
// taken for the series' 4.7.
constexpr double SAME = 1e-9;

// n × 10^e, divided rather than multiplied for negative e so that 47 × 10^-1 is the double
// nearest 4.7.
double scaled(double n, int e)
{
    return e >= 0 ? n * std::pow(10.0, e) : n / std::pow(10.0, -e);
}

int decadeOf(double magnitude) { return static_cast<int>(std::floor(std::log10(magnitude))); }

double e12Once(double r, bool up)
{
    if (r <= 0) {
        return up ? 1.0 : r;
    }
    const int d = decadeOf(r);
    double best = up ? INFINITY : 0.0;
    for (int e = d - 2; e <= d + 1; ++e) {
        for (int m : E12) {
            const double candidate = scaled(m, e);
            if (up && candidate > r * (1 + SAME) && candidate < best) {
                best = candidate;
            } else if (!up && candidate < r * (1 - SAME) && candidate > best) {
                best = candidate;
            }
        }
    }
    return best;
}

double tenthOnce(double v, bool up)
{
    if (v == 0) {
        return up ? 1.0 : -1.0;
    }
    const double a = std::fabs(v);
    const bool away = (v > 0) == up;
    int e = decadeOf(a) - 1;
    double n = a / scaled(1, e);
    // On a power of ten the way toward zero lies in the decade below, whose steps are finer.
    if (!away && std::fabs(n - 10) < 10 * SAME) {
        --e;
        n = 100;
    }
    const double next = away ? std::floor(n + SAME) + 1 : std::ceil(n - SAME) - 1;
    return std::copysign(scaled(next, e), v);
}

}  // namespace

double e12Step(double resistance, int steps)
{
    for (int k = 0; k < std::abs(steps); ++k) {
        resistance = e12Once(resistance, steps > 0);
    }
    return resistance;
}

double decadeTenthStep(double value, int steps)
{
    for (int k = 0; k < std::abs(steps); ++k) {
        value = tenthOnce(value, steps > 0);
    }
    return value;
}

std::optional<double> wheelStepValue(std::uint16_t kind, double value, int steps)
{
    double next = value;
    if (kind == KIND_RESISTOR) {
        next = e12Step(value, steps);
    } else if (kind == KIND_VOLTAGE_SOURCE || kind == KIND_CURRENT_SOURCE) {
        next = decadeTenthStep(value, steps);
    } else {
        return std::nullopt;
    }
    if (next == value || !std::isfinite(next) || !valueInRange(kind, next)) {
        return std::nullopt;
    }
    return next;
}

}  // namespace kirvolt
