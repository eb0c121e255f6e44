#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kirvolt {

// The core's sentences in the user's language. A sentence is written whole, in English, with
// %1, %2 ... where its names and numbers go, so that a translator sees the whole sentence:
//
//     fillIn(wording("Rules", "%1 has no path to the datum node."), {label})
//
// lupdate collects the sentences from every call of wording (the build passes it
// -tr-function-alias translate+=wording), by context and English text, as it collects
// QCoreApplication::translate.

// Gives the text of a sentence in the user's language, or the English text when the catalogue
// has none.
using WordingCatalogue = std::function<std::string(const char* context, const char* text)>;

// Installs the catalogue every later wording() asks; an empty one gives the English texts,
// which is what a program that installs none (the command-line tool, the tests) gets. The
// application installs its catalogue once at start-up, before it makes any other thread.
void installWordingCatalogue(WordingCatalogue catalogue);

// The text of a sentence as the installed catalogue gives it.
std::string wording(const char* context, const char* text);

// The text with every %1 ... %99 replaced by the argument of that number, in one pass as
// QString::arg does (so an argument's own % signs stay as they are); a number with no
// argument, and a % followed by no digit, stay as they are.
std::string fillIn(std::string_view format, std::initializer_list<std::string_view> arguments);
std::string fillIn(std::string_view format, const std::vector<std::string>& arguments);

}  // namespace kirvolt

// Marks a sentence of a table for lupdate (as QT_TRANSLATE_NOOP does, through the build's
// alias), to be given to wording() with the same context where it is shown.
#define WORDING_NOOP(context, text) text
