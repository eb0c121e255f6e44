#include "document/text_lists.h"

namespace kirvolt {

std::string cutAtLastChar(const std::string& text, char ch)
{
    const std::size_t at = text.rfind(ch);
    return at == std::string::npos ? text : text.substr(0, at);
}

std::string trimAfterLastChar(const std::string& text, char ch)
{
    return text.empty() ? "Error" : cutAtLastChar(text, ch);
}

std::string joinWith(const std::vector<std::string>& items, const std::string& separator)
{
    std::string text;
    for (const std::string& item : items) {
        text += text.empty() ? item : separator + item;
    }
    return text;
}

std::string spokenList(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            text += i + 1 == items.size() ? " and " : ", ";
        }
        text += items[i];
    }
    return text;
}

std::string leadingChars(const std::string& text, std::size_t count)
{
    return text.substr(0, count);
}

}  // namespace kirvolt
