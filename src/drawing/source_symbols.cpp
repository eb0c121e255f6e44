#include "document/component.h"
#include "drawing/symbol_labels.h"
#include "drawing/symbol_parts.h"

namespace kirvolt {
namespace {

// A plate across the symbol's axis, `offset` from the centre along the axis.
void drawPlate(const Symbol& symbol, DrawingSurface& surface, int offset, int halfLength, int penWidth)
{
    const CComponent& source = symbol.element;
    const int x = source.position.x;
    const int y = source.position.y;
    PenScope pen(surface, penWidth, symbol.look.colour);
    if (isHorizontal(source.orientation)) {
        line(surface, {x + offset, y - halfLength}, {x + offset, y + halfLength});
    } else {
        line(surface, {x - halfLength, y + offset}, {x + halfLength, y + offset});
    }
}

// The long (positive) plate lies towards the start terminal, the short one away from it.
void drawPlates(const Symbol& symbol, DrawingSurface& surface, GridStep s)
{
    const int orientation = symbol.element.orientation;
    const bool startAhead = orientation == ORIENT_EAST || orientation == ORIENT_SOUTH;
    const int startSide = startAhead ? s(1, 4) : -s(1, 4);
    drawPlate(symbol, surface, startSide, s(3, 4), 3);
    drawPlate(symbol, surface, -startSide, s(1, 3), 5);
}

struct SourceArrow {
    Point tip, head1, head2;
};

void drawSourceArrow(const Symbol& symbol, DrawingSurface& surface, GridStep s)
{
    const CComponent& source = symbol.element;
    const int x = source.position.x;
    const int y = source.position.y;
    const SourceArrow arrows[] = {
        {{x + s(1, 3), y}, {x + s(1, 8), y - s(1, 5)}, {x + s(1, 8), y + s(1, 5)}},
        {{x, y - s(1, 3)}, {x - s(1, 5), y - s(1, 8)}, {x + s(1, 5), y - s(1, 8)}},
        {{x - s(1, 3), y}, {x - s(1, 8), y - s(1, 5)}, {x - s(1, 8), y + s(1, 5)}},
        {{x, y + s(1, 3)}, {x - s(1, 5), y + s(1, 8)}, {x + s(1, 5), y + s(1, 8)}},
    };
    PenScope pen(surface, 1, symbol.look.colour);
    if (isHorizontal(source.orientation)) {
        line(surface, {x - s(1, 3), y}, {x + s(1, 3), y});
    } else {
        line(surface, {x, y - s(1, 3)}, {x, y + s(1, 3)});
    }
    const SourceArrow& arrow = arrows[source.orientation];
    line(surface, arrow.tip, arrow.head1);
    line(surface, arrow.tip, arrow.head2);
}

void drawSourceLabels(const Symbol& symbol, DrawingSurface& surface, int horizontalValueX, const char* unit)
{
    const CComponent& source = symbol.element;
    const GridStep s(symbol.c());
    const int x = source.position.x;
    const int y = source.position.y;
    if (isHorizontal(source.orientation)) {
        drawNameAndValue(symbol, surface, {x - s(1), y - s(4, 3)}, {horizontalValueX, y - s(4, 3)}, unit);
    } else {
        drawNameAndValue(symbol, surface, {x - s(4, 3), y + s(1)}, {x - s(4, 3), y + s(1) - s(3, 2)}, unit);
    }
}

}  // namespace

void drawVoltageSource(const Symbol& symbol, DrawingSurface& surface, int rasterMode)
{
    const CComponent& source = symbol.element;
    const int c = symbol.c();
    const GridStep s(c);
    drawArrowAndTerminals(symbol, surface, rasterMode);
    drawLeads(symbol, surface, s(1, 4));
    if (!isDirection(source.orientation)) {
        return;
    }
    drawPlates(symbol, surface, s);
    if (source.displayState == DISPLAY_PLACED) {
        drawSourceLabels(symbol, surface, source.position.x - s(1) + s(3, 2), "V");
    }
}

void drawCurrentSource(const Symbol& symbol, DrawingSurface& surface, int rasterMode)
{
    const CComponent& source = symbol.element;
    const int c = symbol.c();
    const GridStep s(c);
    drawArrowAndTerminals(symbol, surface, rasterMode);
    drawRoundBodyAndLeads(symbol, surface);
    if (!isDirection(source.orientation)) {
        return;
    }
    drawSourceArrow(symbol, surface, s);
    if (source.displayState == DISPLAY_PLACED) {
        drawSourceLabels(symbol, surface, source.position.x, "A");
    }
}

}  // namespace kirvolt
