#pragma once

#include <string>
#include <string_view>

namespace kirvolt {

// Text made safe inside an XML or HTML element or a quoted attribute: the five markup
// characters as entities, and what XML cannot carry (control characters, bytes that are not
// UTF-8, as a damaged file may hold in a label) as U+FFFD, so that the file always parses.
std::string markupEscaped(std::string_view text);

// The length of the well-formed UTF-8 sequence of a character above ASCII starting at text[i],
// or 0 when the bytes there are not one.
std::size_t utf8SequenceLength(std::string_view text, std::size_t i);

// How many characters a UTF-8 text shows, for laying out columns of monospaced text.
std::size_t codePoints(std::string_view text);

}  // namespace kirvolt
