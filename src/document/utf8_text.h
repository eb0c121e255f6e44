#pragma once

#include <cstddef>
#include <string_view>

namespace kirvolt {

// The length of the well-formed UTF-8 sequence of a character above ASCII starting at text[i],
// or 0 when the bytes there are not one.
std::size_t utf8SequenceLength(std::string_view text, std::size_t i);

// Whether the text is a name as people write one: printable ASCII without blanks, and letters
// of any script in well-formed UTF-8.
bool isPrintableName(std::string_view text);

}  // namespace kirvolt
