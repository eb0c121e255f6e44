#include "document/component.h"
#include "drawing/symbol_labels.h"
#include "drawing/symbol_parts.h"

namespace kirvolt {
namespace {

void drawZigZag(DrawingSurface& surface, int x, int y, bool horizontal, GridStep s)
{
    if (horizontal) {
        polyline(surface, {{x - s(1), y}, {x - s(7, 8), y + s(1, 2)}, {x - s(5, 8), y - s(1, 2)},
                           {x - s(3, 8), y + s(1, 2)}, {x - s(1, 8), y - s(1, 2)}, {x + s(1, 8), y + s(1, 2)},
                           {x + s(3, 8), y - s(1, 2)}, {x + s(5, 8), y + s(1, 2)}, {x + s(7, 8), y - s(1, 2)},
                           {x + s(1), y}});
    } else {
        polyline(surface, {{x, y - s(1)}, {x + s(1, 2), y - s(7, 8)}, {x - s(1, 2), y - s(5, 8)},
                           {x + s(1, 2), y - s(3, 8)}, {x - s(1, 2), y - s(1, 8)}, {x + s(1, 2), y + s(1, 8)},
                           {x - s(1, 2), y + s(3, 8)}, {x + s(1, 2), y + s(5, 8)}, {x - s(1, 2), y + s(7, 8)},
                           {x, y + s(1)}});
    }
}

void drawRectangle(DrawingSurface& surface, int x, int y, bool horizontal, GridStep s)
{
    const int halfX = horizontal ? s(1) : s(1, 2);
    const int halfY = horizontal ? s(1, 2) : s(1);
    polyline(surface, {{x - halfX, y - halfY}, {x - halfX, y + halfY}, {x + halfX, y + halfY}, {x + halfX, y - halfY},
                       {x - halfX, y - halfY}});
}

void drawBody(const Symbol& symbol, DrawingSurface& surface, GridStep s)
{
    const CComponent& resistor = symbol.element;
    const int x = resistor.position.x;
    const int y = resistor.position.y;
    const bool horizontal = isHorizontal(resistor.orientation);
    if (resistor.resistorStyle == STYLE_US) {
        PenScope pen(surface, 2, symbol.look.colour);
        drawZigZag(surface, x, y, horizontal, s);
    } else if (resistor.resistorStyle == STYLE_EUROPEAN) {
        PenScope pen(surface, 3, symbol.look.colour);
        drawRectangle(surface, x, y, horizontal, s);
    }
}

void drawLabels(const Symbol& symbol, DrawingSurface& surface)
{
    const CComponent& resistor = symbol.element;
    const GridStep s(symbol.c());
    const int x = resistor.position.x;
    const int y = resistor.position.y;
    if (isHorizontal(resistor.orientation)) {
        drawNameAndValue(symbol, surface, {x - s(7, 4), y - s(4, 3)}, {x - s(7, 4) + s(4, 3), y - s(4, 3)},
                         "ohm");
    } else {
        drawNameAndValue(symbol, surface, {x - s(4, 3), y + s(7, 4)}, {x - s(4, 3), y + s(7, 4) - s(4, 3)},
                         "ohm");
    }
}

}  // namespace

// A resistor turned to an orientation other than the four directions keeps its arrow and
// terminal dots but has no leads, body or labels.
void drawResistor(const Symbol& symbol, DrawingSurface& surface, int rasterMode)
{
    drawArrowAndTerminals(symbol, surface, rasterMode);
    if (!isDirection(symbol.element.orientation)) {
        return;
    }
    const GridStep s(symbol.c());
    drawLeads(symbol, surface, s(1));
    drawBody(symbol, surface, s);
    if (symbol.element.displayState == DISPLAY_PLACED) {
        drawLabels(symbol, surface);
    }
}

}  // namespace kirvolt
