#include "spice/spice_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace kirvolt {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithWord(std::string_view text, std::string_view word)
{
    if (text.size() < word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (lower(text[i]) != word[i]) {
            return false;
        }
    }
    return true;
}

// The length of the digits, point and exponent at the front of the text; 0 when there are no
// digits. An exponent counts only with digits after it: "1e" is 1 with the unit "e".
std::size_t numberLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < text.size() && lower(text[i]) == 'e') {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

// "meg" and "mil" before "m", which alone is milli.
std::pair<std::size_t, double> scaleFactor(std::string_view text)
{
    if (startsWithWord(text, "meg")) {
        return {3, 1e6};
    }
    if (startsWithWord(text, "mil")) {
        return {3, 25.4e-6};
    }
    if (text.starts_with("\xC2\xB5")) {  // µ in UTF-8
        return {2, 1e-6};
    }
    static constexpr std::array<std::pair<char, double>, 8> letters = {{
        {'t', 1e12}, {'g', 1e9}, {'k', 1e3}, {'m', 1e-3}, {'u', 1e-6}, {'n', 1e-9}, {'p', 1e-12}, {'f', 1e-15},
    }};
    for (const auto& [letter, factor] : letters) {
        if (!text.empty() && lower(text[0]) == letter) {
            return {1, factor};
        }
    }
    return {0, 1.0};
}

}  // namespace

SpiceNumber readSpiceNumber(std::string_view text)
{
    SpiceNumber result;
    const std::size_t length = numberLength(text);
    if (length == 0) {
        return result;
    }
    result.number = text.substr(0, length);
    // from_chars takes no plus sign.
    const std::string_view digits = result.number.front() == '+' ? result.number.substr(1) : result.number;
    double mantissa = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), mantissa);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return result;
    }
    const auto [scaleLength, factor] = scaleFactor(text.substr(length));
    result.scale = text.substr(length, scaleLength);
    result.rest = text.substr(length + scaleLength);
    result.value = mantissa * factor;
    if (!std::isfinite(result.value)) {
        return result;
    }
    bool digitAfter = false;
    for (char c : result.rest) {
        digitAfter = digitAfter || isDigit(c);
    }
    result.status = digitAfter ? SpiceNumber::Status::DigitsAfterScale : SpiceNumber::Status::Read;
    return result;
}

std::string spiceNumberText(double value)
{
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string("0");
}

}  // namespace kirvolt
