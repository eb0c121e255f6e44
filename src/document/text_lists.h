#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kirvolt {

// The program's texts build lists by appending every item with its separator and cutting at
// the last separator afterwards, so the blank that stood before the cut character stays:
// «( 1/R1 + 1/R2 + » cut at '+' gives «( 1/R1 + 1/R2 ».

// The text without its last occurrence of ch and everything after it; unchanged when ch does
// not occur, empty when empty.
std::string cutAtLastChar(const std::string& text, char ch);

// The same, except that an empty text gives "Error" (the rule checks' name lists).
std::string trimAfterLastChar(const std::string& text, char ch);

// The items with the separator between them: "2, 3, 4".
std::string joinWith(const std::vector<std::string>& items, const std::string& separator);

// The items as a sentence lists them: "2, 3 and 4".
std::string spokenList(const std::vector<std::string>& items);

// At most the first count bytes of a text.
std::string leadingChars(const std::string& text, std::size_t count);

}  // namespace kirvolt
