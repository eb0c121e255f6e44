#pragma once

#include <cstdint>
#include <optional>

namespace kirvolt {

// The resistance `steps` places along the E12 series from this one (up for positive steps):
// 1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2 in every decade. A value between
// two of the series goes to the next one on its way; 0 goes up to 1 Ω and stays down.
double e12Step(double resistance, int steps);

// A source's value `steps` tenths of its decade on (1.0, 1.1 ... 9.9, 10, 11 ...), toward
// zero by the finer steps of the decade below once it stands on a power of ten, and from 0 to
// 1 and -1.
double decadeTenthStep(double value, int steps);

// What turning the wheel by `steps` makes of a resistor's or source's value, as long as it
// stays within the kind's range; none when the kind has no such steps or the next value would
// leave the range.
std::optional<double> wheelStepValue(std::uint16_t kind, double value, int steps);

}  // namespace kirvolt
