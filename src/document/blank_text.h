#pragma once

#include <string_view>

namespace kirvolt {

// Spaces, tabs and the other ASCII white space: what surrounds and separates numbers, names and
// words wherever Kirvolt reads typed or stored text.
constexpr bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

constexpr std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace kirvolt
