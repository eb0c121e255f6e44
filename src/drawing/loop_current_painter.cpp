#include "drawing/loop_current_painter.h"

#include "document/readable_value.h"
#include "drawing/symbol_parts.h"

namespace kirvolt {
namespace {

constexpr Colour COLOUR_TREE = rgb(150, 200, 255);

int signOf(int value) { return (value > 0) - (value < 0); }

}  // namespace

void paintLoopTree(const LoopPicture& picture, DrawingSurface& surface, int gridSize)
{
    const GridStep s(gridSize);
    PenScope pen(surface, s(2, 5), COLOUR_TREE);
    for (const auto& [start, finish] : picture.tree) {
        line(surface, toLogical(start, gridSize), toLogical(finish, gridSize));
    }
}

void paintLoopCurrents(const LoopPicture& picture, DrawingSurface& surface, int gridSize)
{
    const GridStep s(gridSize);
    PenScope pen(surface, 2, COLOUR_HIGHLIGHT);
    const Colour text = surface.setTextColour(COLOUR_HIGHLIGHT);
    const Font font = surface.selectFont(Font{"Arial", s(2, 3), 400, 0});
    for (const LoopCurrentMark& mark : picture.currents) {
        const Point a = toLogical(mark.start, gridSize);
        const Point b = toLogical(mark.finish, gridSize);
        // One grid step's arrow along the chord, a step and a half to its right-hand or lower side.
        const Point along{signOf(b.x - a.x), signOf(b.y - a.y)};
        const Point across{along.y == 0 ? 0 : 1, along.y == 0 ? 1 : 0};
        const Point mid{(a.x + b.x) / 2 + across.x * s(3, 2), (a.y + b.y) / 2 + across.y * s(3, 2)};
        const Point tail{mid.x - along.x * s(1, 2), mid.y - along.y * s(1, 2)};
        const Point head{mid.x + along.x * s(1, 2), mid.y + along.y * s(1, 2)};
        const int q = s(1, 4);
        line(surface, tail, head);
        line(surface, head, {head.x - along.x * q - along.y * q, head.y - along.y * q + along.x * q});
        line(surface, head, {head.x - along.x * q + along.y * q, head.y - along.y * q - along.x * q});
        surface.textOut({mid.x + s(3, 4), mid.y - s(1, 3)}, mark.name + " = " + quantityText(mark.amperes, 2, "A"));
    }
    surface.selectFont(font);
    surface.setTextColour(text);
}

}  // namespace kirvolt
