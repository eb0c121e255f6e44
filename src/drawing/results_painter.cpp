#include "drawing/results_painter.h"

#include <algorithm>

#include "drawing/symbol_parts.h"

namespace kirvolt {
namespace {

constexpr int SUBSCRIPT_DROP = 8;

// The original asked for Arial of cell height 16 beside a 16-pixel default font; a pixel size
// of 16 here would make the subscripts as large as the text, so they take 12 pixels to the em.
const Font SUBSCRIPT_FONT{"Arial", 12, 400, 0};

constexpr Colour STALE_TEXT = rgb(150, 150, 150);

int pieceWidth(DrawingSurface& surface, const ResultsPiece& piece)
{
    if (piece.subscript) {
        FontScope font(surface, SUBSCRIPT_FONT);
        return surface.textExtent(piece.text).width;
    }
    return surface.textExtent(piece.text).width;
}

int lineWidth(DrawingSurface& surface, const ResultsLine& line)
{
    int width = 0;
    for (const ResultsPiece& piece : line.pieces) {
        width += pieceWidth(surface, piece);
    }
    return width;
}

// Each piece starts where the previous one ended, measured in the font it was drawn in;
// subscripts hang 8 units lower in the smaller Arial.
void drawLine(DrawingSurface& surface, const ResultsLine& line)
{
    const Colour before = surface.setTextColour(line.greyed ? STALE_TEXT : COLOUR_BLACK);
    int x = 0;
    const auto put = [&](const std::string& text, int y) {
        surface.textOut({x, y}, text);
        x += surface.textExtent(text).width;
    };
    for (const ResultsPiece& piece : line.pieces) {
        if (piece.subscript) {
            FontScope font(surface, SUBSCRIPT_FONT);
            put(piece.text, line.y + SUBSCRIPT_DROP);
        } else {
            put(piece.text, line.y);
        }
    }
    surface.setTextColour(before);
}

}  // namespace

void paintResults(const std::vector<ResultsLine>& lines, DrawingSurface& surface)
{
    for (const ResultsLine& line : lines) {
        drawLine(surface, line);
    }
}

int resultsTextWidth(const std::vector<ResultsLine>& lines, DrawingSurface& surface)
{
    int widest = 0;
    for (const ResultsLine& line : lines) {
        widest = std::max(widest, lineWidth(surface, line));
    }
    return widest;
}

}  // namespace kirvolt
