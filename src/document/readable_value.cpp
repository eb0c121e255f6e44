#include "document/readable_value.h"

#include <array>
#include <cmath>

#include "document/format_value.h"

namespace kirvolt {
namespace {

// No prefix is left below pico, and a smaller result is the solver's rounding.
constexpr double SMALLEST_SHOWN = 1e-12;

// Plain decimals up to four zeros after the point, so down to 0.0000100.
constexpr int MOST_LEADING_ZEROS = 4;

// The SI prefixes from pico to tera, one for every third power of ten.
constexpr std::array<std::string_view, 9> PREFIXES{"p", "n", "\xC2\xB5", "m", "", "k", "M", "G", "T"};
constexpr int LOWEST_PREFIX_POWER = -12;

// The three significant digits of a magnitude, rounded as FormatValue rounds, and the power
// of ten of the first of them ("174" and -3 for 0.00174).
struct ThreeDigits {
    std::string digits;
    int power = 0;
};

ThreeDigits threeDigits(double magnitude)
{
    int power = static_cast<int>(std::floor(std::log10(magnitude)));
    // log10 may be one off next to a power of ten, and rounding may carry into a fourth
    // digit (0.0009996 gives 0.00100): then the power moves by one and the rounding is done again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        // Fixed decimals reach the third digit of a value below 1000; a larger one is scaled.
        const std::string fixed = power <= 2 ? FormatValue(magnitude, 2 - power)
                                             : FormatValue(magnitude / std::pow(10.0, power - 2), 0);
        std::string digits;
        for (const char c : fixed) {
            if (c >= '0' && c <= '9' && !(digits.empty() && c == '0')) {
                digits += c;
            }
        }
        if (digits.size() == 3) {
            return {digits, power};
        }
        power += digits.size() > 3 ? 1 : -1;
    }
    return {"100", power};
}

// The digits with the point after the first `before` of them, or with zeros up to the point.
std::string withPoint(const std::string& digits, int before)
{
    const auto at = static_cast<std::size_t>(before);
    return at >= digits.size() ? digits + std::string(at - digits.size(), '0') : digits.substr(0, at) + "." + digits.substr(at);
}

std::string signOf(double value) { return value < 0 ? "-" : ""; }

}  // namespace

int significantDigits(std::string_view fixedText)
{
    int count = 0;
    for (const char c : fixedText) {
        if (c >= '0' && c <= '9' && (count > 0 || c != '0')) {
            ++count;
        }
    }
    return count;
}

bool showsTooFewDigits(double value, std::string_view fixedText)
{
    return std::isfinite(value) && std::fabs(value) >= SMALLEST_SHOWN && significantDigits(fixedText) < 2;
}

std::string threeDigitNumber(double value)
{
    const ThreeDigits three = threeDigits(std::fabs(value));
    if (three.power >= 0) {
        return signOf(value) + withPoint(three.digits, three.power + 1);
    }
    if (-three.power - 1 <= MOST_LEADING_ZEROS) {
        return signOf(value) + "0." + std::string(static_cast<std::size_t>(-three.power - 1), '0') + three.digits;
    }
    return signOf(value) + withPoint(three.digits, 1) + "e" + std::to_string(three.power);
}

std::string threeDigitQuantity(double value, std::string_view unit)
{
    const ThreeDigits three = threeDigits(std::fabs(value));
    const int lowest = LOWEST_PREFIX_POWER;
    const int highest = lowest + 3 * (static_cast<int>(PREFIXES.size()) - 1);
    if (three.power < lowest || three.power > highest + 2) {
        return signOf(value) + withPoint(three.digits, 1) + "e" + std::to_string(three.power) + " " + std::string(unit);
    }
    // The prefix's power is the multiple of three at or below the first digit's.
    const int prefixPower = lowest + 3 * ((three.power - lowest) / 3);
    const std::string_view prefix = PREFIXES[static_cast<std::size_t>((prefixPower - lowest) / 3)];
    return signOf(value) + withPoint(three.digits, three.power - prefixPower + 1) + " " + std::string(prefix) +
           std::string(unit);
}

std::string equationNumber(double value, int decimals)
{
    const std::string fixed = FormatValue(value, decimals);
    return showsTooFewDigits(value, fixed) ? threeDigitNumber(value) : fixed;
}

std::string quantityText(double value, int decimals, std::string_view unit)
{
    const std::string fixed = FormatValue(value, decimals);
    return showsTooFewDigits(value, fixed) ? threeDigitQuantity(value, unit) : fixed + " " + std::string(unit);
}

}  // namespace kirvolt
