#pragma once

#include <string>
#include <string_view>

namespace kirvolt {

// Fixed-decimal text of a value: no exponent, no separators, no leading blanks.
// Halves round up in magnitude on the value's 17-significant-digit expansion.
std::string FormatValue(double value, int decimals);

// Decimals of a component's value label and value text: 0 from 100, 1 from 10, 2 from 1, else 3.
int valueTextDecimals(double value);

// The value formatted with valueTextDecimals, without unit, as a number inside an equation
// (equationNumber): "4700", "0.00100".
std::string valueText(double value);

// The value label of an element: the value with valueTextDecimals and its unit, as a
// quantity (quantityText): "4700 ohm", "12.00 V", "1.00 mA".
std::string valueLabel(double value, std::string_view unit);

}  // namespace kirvolt
