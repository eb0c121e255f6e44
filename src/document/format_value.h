#pragma once

#include <string>

namespace kirvolt {

// Fixed-decimal text of a value: no exponent, no separators, no leading blanks.
// Halves round up in magnitude on the value's 17-significant-digit expansion.
std::string FormatValue(double value, int decimals);

// Decimals of a component's value label and value text: 0 from 100, 1 from 10, 2 from 1, else 3.
int valueTextDecimals(double value);

// The value formatted with valueTextDecimals, without unit.
std::string valueText(double value);

}  // namespace kirvolt
