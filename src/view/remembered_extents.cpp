#include "view/remembered_extents.h"

#include <algorithm>

namespace kirvolt {

Font RememberingSurface::selectFont(const Font& font)
{
    const Font previous = measured.selectFont(font);
    selected = font;
    selectedFont = nullptr;
    return previous;
}

RememberedExtents::KnownFont& RememberingSurface::knownFont(const Font& font)
{
    auto& fonts = memory.known;
    const auto found = std::find_if(fonts.begin(), fonts.end(), [&font](const auto& known) { return known.font == font; });
    if (found != fonts.end()) {
        return *found;
    }
    fonts.push_back({font, {}, false});
    fonts.back().digitsAlike = digitsAlike();
    return fonts.back();
}

// Each digit beside each character on either side, and the pair repeated four times, so that a
// difference of a fraction of a unit in an advance or a kerning pair adds up to a unit that the
// measure shows.
bool RememberingSurface::digitsAlike()
{
    const auto width = [this](std::string text) { return measured.textExtent(text).width; };
    const auto repeated = [](char a, char b) {
        constexpr int REPEATS = 4;
        std::string text;
        for (int i = 0; i < REPEATS; ++i) {
            text += a;
            text += b;
        }
        return text;
    };
    for (char c = ' '; c <= '~'; ++c) {
        const int before = width({c, '0'});
        const int after = width({'0', c});
        const int alternating = width(repeated(c, '0'));
        for (char digit = '1'; digit <= '9'; ++digit) {
            if (width({c, digit}) != before || width({digit, c}) != after || width(repeated(c, digit)) != alternating) {
                return false;
            }
        }
    }
    return true;
}

const std::string& RememberingSurface::keyOf(const std::string& text, bool digitsAreAlike)
{
    const bool plainAscii = std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
    if (!digitsAreAlike || !plainAscii) {
        return text;
    }
    key = text;
    std::replace_if(key.begin(), key.end(), [](char c) { return c >= '1' && c <= '9'; }, '0');
    return key;
}

Size RememberingSurface::textExtent(const std::string& text)
{
    if (selectedFont == nullptr) {
        selectedFont = &knownFont(selected);
    }
    const std::string& remembered = keyOf(text, selectedFont->digitsAlike);
    auto& texts = selectedFont->texts;
    if (const auto found = texts.find(std::string_view(remembered)); found != texts.end()) {
        return found->second;
    }
    if (memory.count >= RememberedExtents::MOST_TEXTS) {
        for (auto& known : memory.known) {
            known.texts.clear();
        }
        memory.count = 0;
    }
    const Size size = measured.textExtent(text);
    texts.emplace(remembered, size);
    ++memory.count;
    return size;
}

}  // namespace kirvolt
