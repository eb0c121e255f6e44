#include "document/engineering_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "document/blank_text.h"

namespace kirvolt {
namespace {

struct Prefix {
    std::string_view text;
    int exponent;
};

// "u" stands for the micro sign where it cannot be typed; both micro code points are taken.
constexpr std::array<Prefix, 11> PREFIXES{{{"p", -12},
                                           {"n", -9},
                                           {"u", -6},
                                           {"\xC2\xB5", -6},
                                           {"\xCE\xBC", -6},
                                           {"m", -3},
                                           {"k", 3},
                                           {"K", 3},
                                           {"M", 6},
                                           {"G", 9},
                                           {"T", 12}}};

struct UnitWord {
    std::string_view text;
    std::string_view unit;
};

// The Greek capital omega and the ohm sign look alike; people type either. "R" is the ohm of
// schematics ("470R").
constexpr std::array<UnitWord, 7> UNIT_WORDS{{{"ohm", "ohm"},
                                              {"ohms", "ohm"},
                                              {"\xCE\xA9", "ohm"},
                                              {"\xE2\x84\xA6", "ohm"},
                                              {"r", "ohm"},
                                              {"v", "V"},
                                              {"a", "A"}}};

// Far beyond any double, and small enough that adding a prefix's exponent cannot overflow.
constexpr long long MAXIMUM_EXPONENT = 100000;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t digitsFrom(std::string_view text, std::size_t at)
{
    std::size_t end = at;
    while (end < text.size() && isDigit(text[end])) {
        ++end;
    }
    return end - at;
}

// The numeral at the start of text: its mantissa (sign, digits and point) and the written
// exponent, or nothing when text does not start with one.
struct Numeral {
    std::string_view mantissa;
    long long exponent = 0;
    std::size_t length = 0;
};

std::optional<Numeral> leadingNumeral(std::string_view text)
{
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const std::size_t whole = digitsFrom(text, at);
    at += whole;
    std::size_t fraction = 0;
    if (at < text.size() && text[at] == '.') {
        fraction = digitsFrom(text, at + 1);
        at += 1 + fraction;
    }
    if (whole + fraction == 0) {
        return std::nullopt;
    }
    Numeral numeral{text.substr(0, at), 0, at};
    // An "e" not followed by digits belongs to what comes after the number.
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t digitsAt = at + 1;
        if (digitsAt < text.size() && (text[digitsAt] == '+' || text[digitsAt] == '-')) {
            ++digitsAt;
        }
        const std::size_t digits = digitsFrom(text, digitsAt);
        if (digits > 0) {
            const char* first = text.data() + at + 1 + (text[at + 1] == '+' ? 1 : 0);
            const auto [end, error] = std::from_chars(first, text.data() + digitsAt + digits, numeral.exponent);
            if (error != std::errc() || std::abs(numeral.exponent) > MAXIMUM_EXPONENT) {
                return std::nullopt;
            }
            numeral.length = digitsAt + digits;
        }
    }
    return numeral;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::optional<std::string_view> unitOf(std::string_view word)
{
    for (const UnitWord& candidate : UNIT_WORDS) {
        if (equalsIgnoringCase(word, candidate.text)) {
            return candidate.unit;
        }
    }
    return std::nullopt;
}

// What follows the number: nothing, a unit, a prefix, or a prefix and a unit. A whole word
// that is a unit is read as one, so "10 A" is ten amperes and not a prefix.
std::optional<std::pair<int, std::string_view>> readSuffix(std::string_view suffix)
{
    if (suffix.empty()) {
        return std::pair{0, std::string_view{}};
    }
    if (const auto unit = unitOf(suffix)) {
        return std::pair{0, *unit};
    }
    for (const Prefix& prefix : PREFIXES) {
        if (suffix.starts_with(prefix.text)) {
            const std::string_view rest = suffix.substr(prefix.text.size());
            if (rest.empty()) {
                return std::pair{prefix.exponent, std::string_view{}};
            }
            if (const auto unit = unitOf(rest)) {
                return std::pair{prefix.exponent, *unit};
            }
        }
    }
    return std::nullopt;
}

// The double that mantissa times ten to the exponent names, converted once, so that "4.7k" is
// the double nearest to 4700 and not 4.7 times 1000 rounded twice.
std::optional<double> decimalValue(std::string_view mantissa, long long exponent)
{
    std::string decimal(mantissa.starts_with('+') ? mantissa.substr(1) : mantissa);
    decimal += 'e' + std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(decimal.data(), decimal.data() + decimal.size(), value);
    if (error != std::errc() || end != decimal.data() + decimal.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The schematic habit of writing the prefix where the decimal point goes ("4k7", "2R2" with R
// for ohms, "4m7"), which no decimal point can smudge in a printed value. Digits must stand on
// both sides; a unit may follow, for R only the ohm it already names.
std::optional<EngineeringNumber> readInfixValue(std::string_view text)
{
    const std::size_t signLength = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const std::size_t whole = digitsFrom(text, signLength);
    if (whole == 0) {
        return std::nullopt;
    }
    const std::string_view rest = text.substr(signLength + whole);
    const bool ohms = !rest.empty() && (rest[0] == 'R' || rest[0] == 'r');
    const auto prefix = std::ranges::find_if(PREFIXES, [rest](const Prefix& p) { return rest.starts_with(p.text); });
    if (!ohms && prefix == PREFIXES.end()) {
        return std::nullopt;
    }
    const std::size_t letterLength = ohms ? 1 : prefix->text.size();
    const std::size_t fraction = digitsFrom(rest, letterLength);
    if (fraction == 0) {
        return std::nullopt;
    }
    std::string_view unit = ohms ? "ohm" : "";
    if (const std::string_view written = trimmed(rest.substr(letterLength + fraction)); !written.empty()) {
        const auto named = unitOf(written);
        if (!named || (ohms && *named != unit)) {
            return std::nullopt;
        }
        unit = *named;
    }
    const std::string mantissa = std::string(text.substr(0, signLength + whole)) + '.' +
                                 std::string(rest.substr(letterLength, fraction));
    const auto value = decimalValue(mantissa, ohms ? 0 : prefix->exponent);
    if (!value) {
        return std::nullopt;
    }
    return EngineeringNumber{*value, std::string(unit)};
}

}  // namespace

std::optional<EngineeringNumber> parseEngineeringNumber(std::string_view text)
{
    text = trimmed(text);
    if (auto infix = readInfixValue(text)) {
        return infix;
    }
    const std::optional<Numeral> numeral = leadingNumeral(text);
    if (!numeral) {
        return std::nullopt;
    }
    const auto suffix = readSuffix(trimmed(text.substr(numeral->length)));
    if (!suffix) {
        return std::nullopt;
    }
    const auto value = decimalValue(numeral->mantissa, numeral->exponent + suffix->first);
    if (!value) {
        return std::nullopt;
    }
    return EngineeringNumber{*value, std::string(suffix->second)};
}

}  // namespace kirvolt
