#include "document/value_range.h"

#include <array>
#include <charconv>
#include <cmath>

#include "document/codes.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

// The refusals of a kind's values: %1 the element's name, %2 its value.
struct KindRange {
    std::uint16_t kind;
    ValueRange range;
    const char* refusal;          // of a finite value
    const char* refusalInfinite;  // of a value that is no finite number
    const char* unit;
};

constexpr std::array<KindRange, 3> KIND_RANGES{{
    {KIND_RESISTOR, RESISTANCE_RANGE,
     WORDING_NOOP("ValueRange", "%1 has a resistance of %2; Kirvolt takes resistances of 0 or from 1 p\xCE\xA9 to 1 T\xCE\xA9."),
     WORDING_NOOP("ValueRange", "%1 has no finite value; Kirvolt takes resistances of 0 or from 1 p\xCE\xA9 to 1 T\xCE\xA9."),
     " \xCE\xA9"},
    {KIND_VOLTAGE_SOURCE, EMF_RANGE,
     WORDING_NOOP("ValueRange", "%1 has an EMF of %2; Kirvolt takes EMFs of 0 or from -1 MV to -1 fV or from 1 fV to 1 MV."),
     WORDING_NOOP("ValueRange", "%1 has no finite value; Kirvolt takes EMFs of 0 or from -1 MV to -1 fV or from 1 fV to 1 MV."),
     " V"},
    {KIND_CURRENT_SOURCE, SOURCE_CURRENT_RANGE,
     WORDING_NOOP("ValueRange", "%1 has a current of %2; Kirvolt takes currents of 0 or from -1 MA to -1 fA or from 1 fA to 1 MA."),
     WORDING_NOOP("ValueRange", "%1 has no finite value; Kirvolt takes currents of 0 or from -1 MA to -1 fA or from 1 fA to 1 MA."),
     " A"},
}};

const KindRange* rangeOf(std::uint16_t kind)
{
    for (const KindRange& k : KIND_RANGES) {
        if (k.kind == kind) {
            return &k;
        }
    }
    return nullptr;
}

bool within(const ValueRange& range, double value)
{
    if (value == 0.0) {
        return true;
    }
    if (value < 0.0 && !range.negativeAllowed) {
        return false;
    }
    const double magnitude = std::abs(value);
    return magnitude >= range.smallest && magnitude <= range.largest;
}

// Six significant digits, as a number is written where no unit prefix is chosen for it.
std::string plainNumber(double value)
{
    std::array<char, 32> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, 6);
    return error == std::errc() ? std::string(text.data(), end) : std::string("?");
}

}  // namespace

bool valueInRange(std::uint16_t kind, double value)
{
    if (!std::isfinite(value)) {
        return false;
    }
    const KindRange* k = rangeOf(kind);
    return k == nullptr || within(k->range, value);
}

std::uint16_t kindWithUnit(std::string_view unit)
{
    return unit == "ohm" ? KIND_RESISTOR : unit == "V" ? KIND_VOLTAGE_SOURCE : unit == "A" ? KIND_CURRENT_SOURCE : 0;
}

std::string valueWithUnit(std::uint16_t kind, double value)
{
    const KindRange* k = rangeOf(kind);
    return plainNumber(value) + (k != nullptr ? k->unit : "");
}

std::optional<std::string> valueRangeRefusal(std::uint16_t kind, const std::string& name, double value)
{
    if (valueInRange(kind, value)) {
        return std::nullopt;
    }
    const KindRange* k = rangeOf(kind);
    if (k == nullptr) {
        return fillIn(wording("ValueRange", "%1 has a value that is not a number."), {name});
    }
    if (!std::isfinite(value)) {
        return fillIn(wording("ValueRange", k->refusalInfinite), {name});
    }
    return fillIn(wording("ValueRange", k->refusal), {name, valueWithUnit(kind, value)});
}

}  // namespace kirvolt
