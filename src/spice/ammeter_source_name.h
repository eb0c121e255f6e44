#pragma once

#include <algorithm>
#include <string_view>

namespace kirvolt {

// SPICE has no ammeter: Kirvolt writes one as a 0 V source named "VAm" and digits (any case),
// and reads such a source back as that ammeter.
constexpr bool isAmmeterSourceName(std::string_view name)
{
    const auto is = [&name](std::size_t i, char upper) { return name[i] == upper || name[i] == upper - 'A' + 'a'; };
    return name.size() > 3 && is(0, 'V') && is(1, 'A') && is(2, 'M') &&
           std::all_of(name.begin() + 3, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace kirvolt
