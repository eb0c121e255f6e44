#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
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

    // A pane measures in two or three fonts (a surface's own font, before any is selected, is
    // Font{}).
    struct KnownFont {
        Font font;
        Texts texts;
        // Whether every digit takes the room of '0' beside every printable ASCII character, as
        // in fonts with tabular figures: then a text is remembered with its digits written as
        // '0', and the numbers of each new analysis need no shaping.
        bool digitsAlike = false;
    };
    std::vector<KnownFont> known;
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
    RememberedExtents::KnownFont& knownFont(const Font& font);
    bool digitsAlike();
    // The text under which its extent is remembered.
    const std::string& keyOf(const std::string& text, bool digitsAreAlike);

    DrawingSurface& measured;
    RememberedExtents& memory;
    Font selected;
    RememberedExtents::KnownFont* selectedFont = nullptr;  // the font selected, once looked up
    std::string key;
};

}  // namespace kirvolt
