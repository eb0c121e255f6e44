#include "document/component.h"
#include "drawing/symbol_parts.h"

namespace kirvolt {

void drawWire(const Symbol& symbol, DrawingSurface& surface, int rasterMode)
{
    const CComponent& wire = symbol.element;
    const int c = symbol.c();
    const Colour colour = symbol.look.colour;
    surface.setRasterMode(rasterMode);
    {
        PenScope pen(surface, 2, colour);
        polyline(surface, {wire.startPoint, wire.position, wire.finishPoint});
    }
    DrawTerminalDot(surface, toLogical(wire.gridStart, c), rasterMode, colour, c);
    DrawTerminalDot(surface, toLogical(wire.gridFinish, c), rasterMode, colour, c);
}

}  // namespace kirvolt
