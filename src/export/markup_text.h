#pragma once

#include <string>
#include <string_view>

namespace kirvolt {

// Text made safe inside an XML or HTML element or a quoted attribute: the five markup
// characters as entities, and what XML cannot carry (control characters, bytes that are not
// UTF-8, as a damaged file may hold in a label) as U+FFFD, so that the file always parses.
std::string markupEscaped(std::string_view text);

}  // namespace kirvolt
