#pragma once

#include <string>
#include <string_view>

namespace kirvolt {

// Every text that shows a value goes through here, so that milliamperes read as milliamperes
// and kilohm conductances keep their digits, while every value the fixed forms already show
// well keeps exactly the text it always had.
//
// The rule: a value whose fixed text (FormatValue with the caller's decimals) shows two
// significant digits or more keeps that text. A finite value of at least one pico-unit whose
// fixed text shows fewer is written with three significant digits instead:
//  - with a unit, scaled to one of the SI prefixes p n µ m (or k M G T) so that one to three
//    digits stand before the point: "1.74 mA", "5.00 mV", "213 µA";
//  - inside an equation, as plain decimals while at most four zeros follow the point
//    ("0.000213"), else in E notation with a small "e", no "+" and no leading zeros in the
//    exponent ("2.13e-7"); the small "e" cannot be taken for a voltage source's name, and the
//    equation reader reads both forms back.
// Below one pico-unit there is no prefix left and the value is the solver's rounding far
// more often than a quantity of a teaching circuit, so it keeps its fixed text ("0.00").
// Zero keeps its fixed text, and so does a value that is not finite.

// Significant digits a fixed text shows: its digits after the leading zeros ("0.0007" 1,
// "0.10" 2, "12.00" 4, "0.00" 0).
int significantDigits(std::string_view fixedText);

// Whether fixedText, the fixed form of value, is to be replaced by three significant digits.
bool showsTooFewDigits(double value, std::string_view fixedText);

// value with three significant digits as a number inside an equation: "0.000213", "2.13e-7".
std::string threeDigitNumber(double value);

// value with three significant digits and an SI prefix before unit: "1.74 mA".
std::string threeDigitQuantity(double value, std::string_view unit);

// A number inside an equation: FormatValue(value, decimals), or threeDigitNumber where that
// shows too few digits.
std::string equationNumber(double value, int decimals);

// A value and its unit, separated by one blank: FormatValue(value, decimals) + " " + unit, or
// threeDigitQuantity where that shows too few digits.
std::string quantityText(double value, int decimals, std::string_view unit);

}  // namespace kirvolt
