#include "document/value_field.h"

#include "document/blank_text.h"
#include "document/engineering_number.h"

namespace kirvolt {

std::string resistanceRule()
{
    return wording("ValueField", RESISTANCE_RULE.data());
}

FieldValue readFieldValue(std::string_view text, std::string_view unit)
{
    const std::optional<EngineeringNumber> number = parseEngineeringNumber(text);
    if (!number) {
        return {std::nullopt, wording("ValueField", "Please enter a number.")};
    }
    if (!number->unit.empty() && unit.empty()) {
        return {std::nullopt, fillIn(wording("ValueField", "\"%1\": this value takes no unit."), {trimmed(text)})};
    }
    if (!number->unit.empty() && number->unit != unit) {
        return {std::nullopt, fillIn(wording("ValueField", "\"%1\" is in %2, but this value is in %3."),
                                     {trimmed(text), number->unit, unit})};
    }
    if (unit == "ohm" && !(number->value > 0.0)) {
        return {std::nullopt, resistanceRule()};
    }
    return {number->value, {}};
}

}  // namespace kirvolt
