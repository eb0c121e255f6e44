#include "drawing/results_painter.h"

#include "drawing/symbol_parts.h"

namespace kirvolt {
namespace {

constexpr int SUBSCRIPT_DROP = 8;

const Font SUBSCRIPT_FONT{"Arial", 16, 400, 0};

// Each piece starts where the previous one ended, measured in the font it was drawn in;
// subscripts hang 8 units lower in Arial 16.
void drawLine(DrawingSurface& surface, const ResultsLine& line)
{
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
}

}  // namespace

void paintResults(const std::vector<ResultsLine>& lines, DrawingSurface& surface)
{
    for (const ResultsLine& line : lines) {
        drawLine(surface, line);
    }
}

}  // namespace kirvolt
