#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kirvolt {

// The three paragraphs of the tutor's background notes on the node voltage method.
const std::array<std::string_view, 3>& backgroundNoteParagraphs();

// The paragraphs run together, as the notes window shows them.
std::string backgroundNotesText();

}  // namespace kirvolt
