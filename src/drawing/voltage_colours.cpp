#include "drawing/voltage_colours.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace kirvolt {
namespace {

struct Rgb {
    double r, g, b;
};

// Viridis at every tenth of its length up to 0.9: a sequential map whose lightness rises
// uniformly.
constexpr std::array<Rgb, 10> SCALE{{{68, 1, 84},
                                     {72, 36, 117},
                                     {65, 68, 135},
                                     {53, 95, 141},
                                     {42, 120, 142},
                                     {33, 145, 140},
                                     {34, 168, 132},
                                     {68, 191, 112},
                                     {122, 209, 81},
                                     {189, 223, 38}}};

}  // namespace

Colour voltageColour(double fraction)
{
    const double t = std::clamp(std::isfinite(fraction) ? fraction : 0.5, 0.0, 1.0) * (SCALE.size() - 1);
    const auto low = std::min(static_cast<std::size_t>(t), SCALE.size() - 2);
    const double share = t - static_cast<double>(low);
    const Rgb& a = SCALE[low];
    const Rgb& b = SCALE[low + 1];
    const auto mix = [share](double x, double y) { return static_cast<unsigned>(std::lround(x + (y - x) * share)); };
    return rgb(mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b));
}

double voltageFraction(double voltage, double lowest, double highest)
{
    return highest > lowest ? (voltage - lowest) / (highest - lowest) : 0.5;
}

}  // namespace kirvolt
