#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kirvolt {

// The values Kirvolt takes for an element, wide enough for every teaching and laboratory
// circuit and narrow enough that every product and quotient of the analysis stays far inside
// a double: a resistance is 0 (the analysis leaves it out, as it always has) or from 1 pΩ to
// 1 TΩ; an EMF or a source current is 0 or, in magnitude, from 1 fV (1 fA) to 1 MV (1 MA).
struct ValueRange {
    double smallest;  // the smallest magnitude other than 0
    double largest;
    bool negativeAllowed;
};

inline constexpr ValueRange RESISTANCE_RANGE{1e-12, 1e12, false};
inline constexpr ValueRange EMF_RANGE{1e-15, 1e6, true};
inline constexpr ValueRange SOURCE_CURRENT_RANGE{1e-15, 1e6, true};

// Whether the value is one an element of the kind may hold; every value of a kind without a
// range (meters, wires, joints) that is finite.
bool valueInRange(std::uint16_t kind, double value);

// Why the element may not hold the value, naming it and the range ("R1 has a resistance of
// 1e+15 Ω; Kirvolt takes resistances of 0 or from 1 pΩ to 1 TΩ."); empty when it may.
std::optional<std::string> valueRangeRefusal(std::uint16_t kind, const std::string& name, double value);

// The kind whose values a field of the unit ("ohm", "V", "A") holds, for the range of its value;
// 0 for any other unit.
std::uint16_t kindWithUnit(std::string_view unit);

// The value with its kind's unit, to six significant digits ("1e-12 Ω", "4700 Ω", "10 V").
std::string valueWithUnit(std::uint16_t kind, double value);

}  // namespace kirvolt
