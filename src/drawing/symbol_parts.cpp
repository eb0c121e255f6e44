#include "drawing/symbol_parts.h"

namespace kirvolt {

void line(DrawingSurface& surface, Point from, Point to)
{
    surface.moveTo(from);
    surface.lineTo(to);
}

void polyline(DrawingSurface& surface, std::initializer_list<Point> points)
{
    const Point* first = points.begin();
    surface.moveTo(*first);
    for (const Point* p = first + 1; p != points.end(); ++p) {
        surface.lineTo(*p);
    }
}

int terminalDotPenWidth(int c)
{
    switch (c) {
    case 10:
    case 15:
    case 20:
        return c / 10;
    case 30:
    case 40:
    case 50:
        return c / 8;
    default:
        return c / 6;
    }
}

void DrawTerminalDot(DrawingSurface& surface, Point at, int rasterMode, Colour colour, int c)
{
    const int r = c / 10;
    PenScope pen(surface, terminalDotPenWidth(c), colour);
    surface.setRasterMode(rasterMode);
    surface.ellipse({at.x - r, at.y - r, at.x + r, at.y + r});
}

void DrawCurrentArrow(DrawingSurface& surface, Point position, int arrowDirection, int c, Colour colour)
{
    if (arrowDirection < ORIENT_EAST || arrowDirection > ORIENT_SOUTH) {
        return;
    }
    const GridStep s(c);
    const int x = position.x;
    const int y = position.y;
    struct Arrow {
        Point tail, tip, head1, head2;
    };
    const Arrow arrows[] = {
        {{x - s(7, 6), y + s(1)}, {x + s(7, 6), y + s(1)}, {x + s(5, 6), y + s(5, 6)}, {x + s(5, 6), y + s(7, 6)}},
        {{x + s(1), y + s(7, 6)}, {x + s(1), y - s(7, 6)}, {x + s(7, 6), y - s(5, 6)}, {x + s(5, 6), y - s(5, 6)}},
        {{x + s(7, 6), y + s(1)}, {x - s(7, 6), y + s(1)}, {x - s(5, 6), y + s(5, 6)}, {x - s(5, 6), y + s(7, 6)}},
        {{x + s(1), y - s(7, 6)}, {x + s(1), y + s(7, 6)}, {x + s(7, 6), y + s(5, 6)}, {x + s(5, 6), y + s(5, 6)}},
    };
    const Arrow& arrow = arrows[arrowDirection];
    PenScope pen(surface, 2, colour);
    line(surface, arrow.tail, arrow.tip);
    line(surface, arrow.tip, arrow.head1);
    line(surface, arrow.tip, arrow.head2);
}

void drawArrowAndTerminals(const Symbol& symbol, DrawingSurface& surface, int rasterMode)
{
    const CComponent& element = symbol.element;
    const int c = symbol.c();
    DrawCurrentArrow(surface, element.position, symbol.look.arrowDirection, c);
    DrawTerminalDot(surface, toLogical(element.gridStart, c), rasterMode, symbol.look.colour, c);
    DrawTerminalDot(surface, toLogical(element.gridFinish, c), rasterMode, symbol.look.colour, c);
    surface.setRasterMode(rasterMode);
}

void drawLeads(const Symbol& symbol, DrawingSurface& surface, int inner)
{
    const CComponent& element = symbol.element;
    const int x = element.position.x;
    const int y = element.position.y;
    const int outer = 3 * symbol.c();
    PenScope pen(surface, 2, symbol.look.colour);
    if (isHorizontal(element.orientation)) {
        line(surface, {x - outer, y}, {x - inner, y});
        line(surface, {x + inner, y}, {x + outer, y});
    } else if (isVertical(element.orientation)) {
        line(surface, {x, y - outer}, {x, y - inner});
        line(surface, {x, y + inner}, {x, y + outer});
    }
}

void drawRoundBodyAndLeads(const Symbol& symbol, DrawingSurface& surface)
{
    const GridStep s(symbol.c());
    const int x = symbol.element.position.x;
    const int y = symbol.element.position.y;
    {
        PenScope pen(surface, 2, symbol.look.colour);
        surface.arc({x - s(2, 3), y - s(2, 3), x + s(2, 3), y + s(2, 3)});
    }
    drawLeads(symbol, surface, s(2, 3));
}

void Draw(const CComponent& element, DrawingSurface& surface, int rasterMode, const SymbolLook& look)
{
    const Symbol symbol{element, look};
    switch (element.kindCode) {
    case KIND_RESISTOR:
        drawResistor(symbol, surface, rasterMode);
        break;
    case KIND_VOLTAGE_SOURCE:
        drawVoltageSource(symbol, surface, rasterMode);
        break;
    case KIND_CURRENT_SOURCE:
        drawCurrentSource(symbol, surface, rasterMode);
        break;
    case KIND_VOLTMETER:
        drawVoltmeter(symbol, surface, rasterMode);
        break;
    case KIND_AMMETER:
        drawAmmeter(symbol, surface, rasterMode);
        break;
    case KIND_WIRE:
    case KIND_WIRE_TURN_HV:
    case KIND_WIRE_TURN_VH:
        drawWire(symbol, surface, rasterMode);
        break;
    case KIND_JOINT:
        drawJoint(symbol, surface, rasterMode);
        break;
    default:
        break;  // a record of no known kind has no symbol
    }
}

SymbolLook recordLook(const CComponent& element, int gridSize, bool showNodeNumbers)
{
    return {gridSize, element.colour, element.arrowDirection, showNodeNumbers, element.datumMark == 1, {}, {}};
}

}  // namespace kirvolt
