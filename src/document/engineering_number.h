#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kirvolt {

// A number as people write component values: "4.7k", "4k7", "2R2", "10 mA", "2.2M", "470 ohm",
// "470R", "470 Ω", "1e-3". unit is "ohm", "V", "A" (the unit texts of the element dialogs) or
// empty when none was written.
struct EngineeringNumber {
    double value = 0.0;
    std::string unit;
};

// Decimal number, then optionally blanks, one prefix letter (p n u µ m k K M G T; "m" is milli
// and "M" mega) and a unit word (ohm, ohms, Ω, R, V, A, in any case); or the schematic form:
// digits, a prefix letter or R (ohms) standing for the decimal point, digits, and optionally a
// unit. Blanks around the whole are ignored. Empty for anything else and for numbers beyond
// the range of a double.
std::optional<EngineeringNumber> parseEngineeringNumber(std::string_view text);

}  // namespace kirvolt
