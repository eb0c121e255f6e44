#include "document/component.h"
#include "view/drawing/symbol_parts.h"

namespace kirvolt {

void CWire::Draw(DrawingSurface& surface, int rasterMode, int c) const
{
    surface.setRasterMode(rasterMode);
    {
        PenScope pen(surface, 2, colour);
        polyline(surface, {startPoint, position, finishPoint});
    }
    DrawTerminalDot(surface, {gridStart.x * c, gridStart.y * c}, rasterMode, colour, c);
    DrawTerminalDot(surface, {gridFinish.x * c, gridFinish.y * c}, rasterMode, colour, c);
}

}  // namespace kirvolt
