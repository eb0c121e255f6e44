#include "document/wording.h"

#include <utility>

namespace kirvolt {

namespace {

// The one process-wide catalogue: the user's language is the process's, as Qt's installed
// translators are.
WordingCatalogue& installedCatalogue()
{
    static WordingCatalogue catalogue;
    return catalogue;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

template <typename Arguments>
std::string fillInFrom(std::string_view format, const Arguments& arguments)
{
    std::string text;
    text.reserve(format.size());
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%' || i + 1 >= format.size() || !isDigit(format[i + 1])) {
            text += format[i++];
            continue;
        }
        std::size_t end = i + 2;
        std::size_t number = static_cast<std::size_t>(format[i + 1] - '0');
        if (end < format.size() && isDigit(format[end])) {
            number = number * 10 + static_cast<std::size_t>(format[end] - '0');
            ++end;
        }
        if (number >= 1 && number <= arguments.size()) {
            text += std::string_view(*(arguments.begin() + static_cast<std::ptrdiff_t>(number - 1)));
        } else {
            text.append(format.substr(i, end - i));
        }
        i = end;
    }
    return text;
}

}  // namespace

void installWordingCatalogue(WordingCatalogue catalogue)
{
    installedCatalogue() = std::move(catalogue);
}

std::string wording(const char* context, const char* text)
{
    const WordingCatalogue& catalogue = installedCatalogue();
    return catalogue ? catalogue(context, text) : std::string(text);
}

std::string fillIn(std::string_view format, std::initializer_list<std::string_view> arguments)
{
    return fillInFrom(format, arguments);
}

std::string fillIn(std::string_view format, const std::vector<std::string>& arguments)
{
    return fillInFrom(format, arguments);
}

}  // namespace kirvolt
