#include "document/format_value.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "document/readable_value.h"

namespace kirvolt {
namespace {

struct Digits {
    std::string digits;  // significant digits, no point
    int pointPosition;   // digits before the decimal point (may be zero or negative)
};

// |value| rounded to `decimals` places, from its 17-significant-digit expansion.
Digits roundedDigits(double magnitude, int decimals)
{
    if (magnitude == 0.0) {
        return {std::string(static_cast<std::size_t>(decimals), '0'), 0};
    }
    // The same text as printf's "%.16e", in a third of the time: a large circuit's results
    // format tens of thousands of numbers after every edit.
    char buffer[40] = {};
    std::to_chars(buffer, buffer + sizeof buffer - 1, magnitude, std::chars_format::scientific, 16);
    std::string expansion;
    expansion += buffer[0];
    expansion.append(buffer + 2, 16);
    const int exponent = std::atoi(buffer + 19);
    int point = exponent + 1;
    const int keep = point + decimals;
    if (keep < 0) {
        return {std::string(static_cast<std::size_t>(decimals), '0'), 0};
    }
    if (keep >= static_cast<int>(expansion.size())) {
        expansion.append(static_cast<std::size_t>(keep) - expansion.size(), '0');
        return {expansion, point};
    }
    const bool roundUp = expansion[static_cast<std::size_t>(keep)] >= '5';
    std::string kept = expansion.substr(0, static_cast<std::size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        for (; i >= 0 && kept[static_cast<std::size_t>(i)] == '9'; --i) {
            kept[static_cast<std::size_t>(i)] = '0';
        }
        if (i >= 0) {
            ++kept[static_cast<std::size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1');
            ++point;
        }
    } else if (kept.find_first_not_of('0') == std::string::npos) {
        return {std::string(static_cast<std::size_t>(decimals), '0'), 0};
    }
    return {kept, point};
}

}  // namespace

std::string FormatValue(double value, int decimals)
{
    if (decimals < 0) {
        return {};
    }
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    const auto [digits, point] = roundedDigits(std::fabs(value), decimals);
    std::string text;
    if (decimals > 0) {
        if (point <= 0) {
            text = "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
        } else {
            text = digits.substr(0, static_cast<std::size_t>(point)) + "." +
                   digits.substr(static_cast<std::size_t>(point));
        }
    } else if (point > 0) {
        text = digits.substr(0, static_cast<std::size_t>(point));
    }
    return value < 0 ? "-" + text : text;
}

int valueTextDecimals(double value)
{
    if (value >= 100) {
        return 0;
    }
    if (value >= 10) {
        return 1;
    }
    return value >= 1 ? 2 : 3;
}

std::string valueText(double value)
{
    return equationNumber(value, valueTextDecimals(value));
}

std::string valueLabel(double value, std::string_view unit)
{
    return quantityText(value, valueTextDecimals(value), unit);
}

}  // namespace kirvolt
