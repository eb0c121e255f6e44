#include "view/remembered_extents.h"

#include <algorithm>

namespace kirvolt {

Font RememberingSurface::selectFont(const Font& font)
{
    const Font previous = measured.selectFont(font);
    selected = font;
    selectedTexts = nullptr;
    return previous;
}

RememberedExtents::Texts& RememberingSurface::textsOf(const Font& font)
{
    auto& fonts = memory.known;
    const auto found = std::find_if(fonts.begin(), fonts.end(), [&font](const auto& known) { return known.first == font; });
    return found != fonts.end() ? found->second : fonts.emplace_back(font, RememberedExtents::Texts{}).second;
}

Size RememberingSurface::textExtent(const std::string& text)
{
    if (selectedTexts == nullptr) {
        selectedTexts = &textsOf(selected);
    }
    if (const auto found = selectedTexts->find(std::string_view(text)); found != selectedTexts->end()) {
        return found->second;
    }
    if (memory.count >= RememberedExtents::MOST_TEXTS) {
        for (auto& [font, texts] : memory.known) {
            texts.clear();
        }
        memory.count = 0;
    }
    const Size size = measured.textExtent(text);
    selectedTexts->emplace(text, size);
    ++memory.count;
    return size;
}

}  // namespace kirvolt
