#include "drawing/loop_current_painter.h"

#include "document/readable_value.h"
#include "drawing/symbol_parts.h"

namespace kirvolt {
namespace {

constexpr Colour COLOUR_TREE = rgb(150, 200, 255);

int signOf(int value) { return (value > 0) - (value < 0); }

// Colours far from the highlight's red and from each other, taken in turn by the loops.
constexpr Colour TRACED_COLOURS[] = {rgb(0, 90, 230), rgb(0, 150, 60), rgb(200, 120, 0),
                                     rgb(150, 0, 200), rgb(0, 160, 170), rgb(120, 80, 20)};

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

void paintTracedLoops(const LoopPicture& picture, DrawingSurface& surface, int gridSize)
{
    const GridStep s(gridSize);
    const Font font = surface.selectFont(Font{"Arial", s(2, 3), 700, 0});
    for (std::size_t k = 0; k < picture.traced.size(); ++k) {
        const TracedLoopMark& mark = picture.traced[k];
        const Colour colour = TRACED_COLOURS[k % std::size(TRACED_COLOURS)];
        PenScope pen(surface, 2, colour);
        const Colour text = surface.setTextColour(colour);
        const int out = s(1, 2) + static_cast<int>(k % 4) * s(1, 3);
        for (std::size_t e = 0; e < mark.elements.size(); ++e) {
            const Point a = toLogical(mark.elements[e].first, gridSize);
            const Point b = toLogical(mark.elements[e].second, gridSize);
            const Point along{signOf(b.x - a.x), signOf(b.y - a.y)};
            // Beside the element on the left of the way the loop runs, over the middle two thirds.
            const Point side{along.y, -along.x};
            const Point tail{a.x + (b.x - a.x) / 6 + side.x * out, a.y + (b.y - a.y) / 6 + side.y * out};
            const Point head{b.x - (b.x - a.x) / 6 + side.x * out, b.y - (b.y - a.y) / 6 + side.y * out};
            const int q = s(1, 4);
            line(surface, tail, head);
            line(surface, head, {head.x - along.x * q - along.y * q, head.y - along.y * q + along.x * q});
            line(surface, head, {head.x - along.x * q + along.y * q, head.y - along.y * q - along.x * q});
            if (e == 0) {
                const std::string label =
                    mark.amperes ? mark.name + " = " + quantityText(*mark.amperes, 2, "A") : mark.name;
                surface.textOut({(tail.x + head.x) / 2 + side.x * s(1, 2) - s(1, 3),
                                 (tail.y + head.y) / 2 + side.y * s(1, 2) - s(1, 3)},
                                label);
            }
        }
        surface.setTextColour(text);
    }
    surface.selectFont(font);
}

}  // namespace kirvolt
