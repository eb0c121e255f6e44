#include "view/remembered_extents.h"

namespace kirvolt {

Font RememberingSurface::selectFont(const Font& font)
{
    const Font previous = measured.selectFont(font);
    fontKey = font.face + '/' + std::to_string(font.height) + '/' + std::to_string(font.weight);
    return previous;
}

Size RememberingSurface::textExtent(const std::string& text)
{
    std::string key = fontKey + '\n' + text;
    if (const auto found = memory.known.find(key); found != memory.known.end()) {
        return found->second;
    }
    if (memory.known.size() >= RememberedExtents::MOST_TEXTS) {
        memory.known.clear();
    }
    const Size size = measured.textExtent(text);
    memory.known.emplace(std::move(key), size);
    return size;
}

}  // namespace kirvolt
