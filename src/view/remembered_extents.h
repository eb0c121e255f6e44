#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>

#include "drawing/drawing_surface.h"

namespace kirvolt {

// The extent of every text in every font, as a surface measured it. Measuring is shaping, and
// the results pane measures thousands of lines after every analysis, most of whose pieces
// (names, subscripts, many numbers) are those of the analysis before.
class RememberedExtents {
public:
    // Past this many texts the memory starts again empty, so that it never grows without bound.
    static constexpr std::size_t MOST_TEXTS = 200'000;

    std::unordered_map<std::string, Size> known;  // by the font, a line break, and the text
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
    DrawingSurface& measured;
    RememberedExtents& memory;
    std::string fontKey;
};

}  // namespace kirvolt
