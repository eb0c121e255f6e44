#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "drawing/drawing_surface.h"

namespace kirvolt {

// The extent of every text in every font, as a surface measured it. Measuring is shaping, and
// the results pane measures thousands of lines after every analysis, most of whose pieces
// (names, subscripts, many numbers) are those of the analysis before.
class RememberedExtents {
public:
    // Past this many texts the memory starts again empty, so that it never grows without bound.
    static constexpr std::size_t MOST_TEXTS = 200'000;

    // Looked up by the text itself, with no copy of it made.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    using Texts = std::unordered_map<std::string, Size, TextHash, std::equal_to<>>;

    // By the font (a surface's own font, before any is selected, is Font{}), then by the text;
    // a pane measures in two or three fonts.
    std::vector<std::pair<Font, Texts>> known;
    std::size_t count = 0;  // texts in all fonts
};

// Measures through `measured` and remembers what it measured; draws nothing. Only for measuring.
class RememberingSurface final : public DrawingSurface {
public:
    RememberingSurface(DrawingSurface& measured, RememberedExtents& memory) : measured(measured), memory(memory) {}

    Pen selectPen(const Pen& pen) override { return measured.selectPen(pen); }
    Font selectFont(const Font& font) override;
    Colour setTextColour(Colour colour) override { return measured.setTextColour(colour); }
    int setRasterMode(int mode) override { return measured.setRasterMode(mode); }
    void moveTo(Point) override {}
    void lineTo(Point) override {}
    void ellipse(Rect) override {}
    void arc(Rect) override {}
    void setPixel(Point, Colour) override {}
    void textOut(Point, const std::string&) override {}
    Size textExtent(const std::string& text) override;

private:
    RememberedExtents::Texts& textsOf(const Font& font);

    DrawingSurface& measured;
    RememberedExtents& memory;
    Font selected;
    RememberedExtents::Texts* selectedTexts = nullptr;  // those of the font selected, once looked up
};

}  // namespace kirvolt
