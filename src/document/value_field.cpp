#include "document/value_field.h"

#include "document/blank_text.h"
#include "document/engineering_number.h"

namespace kirvolt {

FieldValue readFieldValue(std::string_view text, std::string_view unit)
{
    const std::optional<EngineeringNumber> number = parseEngineeringNumber(text);
    if (!number) {
        return {std::nullopt, "Please enter a number."};
    }
    if (!number->unit.empty() && unit.empty()) {
        return {std::nullopt, "\"" + std::string(trimmed(text)) + "\": this value takes no unit."};
    }
    if (!number->unit.empty() && number->unit != unit) {
        return {std::nullopt, "\"" + std::string(trimmed(text)) + "\" is in " + number->unit +
                                  ", but this value is in " + std::string(unit) + "."};
    }
    if (unit == "ohm" && !(number->value > 0.0)) {
        return {std::nullopt, std::string(RESISTANCE_RULE)};
    }
    return {number->value, {}};
}

}  // namespace kirvolt
