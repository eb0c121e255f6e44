#pragma once

#include <string>
#include <string_view>

#include "document/utf8_text.h"

namespace kirvolt {

// Text made safe inside an XML or HTML element or a quoted attribute: the five markup
// characters as entities, and what XML cannot carry (control characters, bytes that are not
// UTF-8, as a damaged file may hold in a label) as U+FFFD, so that the file always parses.
std::string markupEscaped(std::string_view text);

// How many characters a UTF-8 text shows, for laying out columns of monospaced text.
std::size_t codePoints(std::string_view text);

}  // namespace kirvolt
