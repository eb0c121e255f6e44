#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/wording.h"

namespace kirvolt {

// Why the analysis refuses a resistor of zero or negative resistance, after the sentence that
// names the resistor; a value field refusing such a value gives the same reason.
inline constexpr std::string_view RESISTANCE_RULE =
    WORDING_NOOP("ValueField", "The resistance value must be greater than 0."
                               "\n\nIf you wish to have a branch of zero resistance over there,\n"
                               "you may replace the resistor with a wire.");

// RESISTANCE_RULE in the user's language: the value field's reason and the end of the analysis's.
std::string resistanceRule();

// What a component's value field holds: the value, or the message that refuses it.
struct FieldValue {
    std::optional<double> value;
    std::string refusal;
};

// The value typed into the field of a component whose unit is unit ("ohm", "V", "A"): any
// number parseEngineeringNumber reads, with that unit or none. A unit of another kind is
// refused naming the one expected, and a resistance that is not above 0 with the analysis's
// reason.
FieldValue readFieldValue(std::string_view text, std::string_view unit);

}  // namespace kirvolt
