#include "document/text_lists.h"

#include "document/wording.h"

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
    if (items.size() < 2) {
        return items.empty() ? std::string() : items.front();
    }
    //: Between the items of a list but the last two, as in "R1, R2 and R3".
    const std::string separator = wording("Lists", ", ");
    std::string leading = items.front();
    for (std::size_t i = 1; i + 1 < items.size(); ++i) {
        leading += separator + items[i];
    }
    //: The last two items of a list, as in "R1, R2 and R3" (%1 is "R1, R2", %2 "R3").
    return fillIn(wording("Lists", "%1 and %2"), {leading, items.back()});
}

std::string leadingChars(const std::string& text, std::size_t count)
{
    return text.substr(0, count);
}

}  // namespace kirvolt
