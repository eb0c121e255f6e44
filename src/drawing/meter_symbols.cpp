#include "document/component.h"
#include "drawing/symbol_labels.h"
#include "drawing/symbol_parts.h"

namespace kirvolt {
namespace {

struct PolarityMarks {
    Point plusFrom, plusTo, crossFrom, crossTo, minusFrom, minusTo;
};

// The plus sign lies on the side the orientation names, the minus sign opposite.
PolarityMarks polarityMarks(int x, int y, int orientation, GridStep s)
{
    const PolarityMarks marks[] = {
        {{x + s(1), y - s(1, 2)}, {x + s(1) + s(1, 2), y - s(1, 2)},
         {x + s(1) + s(1, 4), y + s(1, 5) - s(1)}, {x + s(1) + s(1, 4), y - s(1, 5)},
         {x - s(1, 2) - s(1), y - s(1, 2)}, {x - s(1), y - s(1, 2)}},
        {{x + s(1, 4), y - s(1, 6) - s(1)}, {x + s(1, 4) + s(1, 2), y - s(1, 6) - s(1)},
         {x + s(2, 3) - s(1, 6), y + s(1, 8) - s(1, 2) - s(1)}, {x + s(2, 3) - s(1, 6), y - s(1, 3) - s(1, 2)},
         {x + s(1, 4), y + s(1)}, {x + s(1, 4) + s(1, 2), y + s(1)}},
        {{x - s(1, 2) - s(1), y - s(1, 2)}, {x - s(1), y - s(1, 2)},
         {x - s(1, 4) - s(1), y + s(1, 5) - s(1)}, {x - s(1, 4) - s(1), y - s(1, 5)},
         {x + s(1), y - s(1, 2)}, {x + s(1) + s(1, 2), y - s(1, 2)}},
        {{x + s(1, 4), y + s(1) + s(1, 6)}, {x + s(1, 4) + s(1, 2), y + s(1) + s(1, 6)},
         {x + s(2, 3) - s(1, 6), y + s(1, 3) + s(1, 2)}, {x + s(2, 3) - s(1, 6), y + s(1) + s(1, 2)},
         {x + s(1, 4), y - s(1, 6) - s(1)}, {x + s(1, 4) + s(1, 2), y - s(1, 6) - s(1)}},
    };
    return marks[orientation];
}

void drawPolarityMarks(const Symbol& symbol, DrawingSurface& surface, GridStep s)
{
    const CComponent& meter = symbol.element;
    const PolarityMarks marks = polarityMarks(meter.position.x, meter.position.y, meter.orientation, s);
    PenScope pen(surface, 2, symbol.look.colour);
    line(surface, marks.plusFrom, marks.plusTo);
    line(surface, marks.crossFrom, marks.crossTo);
    line(surface, marks.minusFrom, marks.minusTo);
}

// The label stands above an upright meter and left of a turned one; the reading below the
// upright one and right of the turned one, clear of the polarity marks.
void drawMeterLabel(const CComponent& meter, const std::string& reading, DrawingSurface& surface, int c)
{
    const GridStep s(c);
    const bool vertical = isVertical(meter.orientation);
    const Point at = vertical ? Point{meter.position.x - s(4, 3), meter.position.y}
                              : Point{meter.position.x - s(1), meter.position.y - s(4, 3)};
    FontScope font(surface, labelFont(c, vertical));
    surface.textOut(at, meter.label);
    if (!reading.empty()) {
        const Point readingAt = vertical ? Point{meter.position.x + s(1), meter.position.y + s(1)}
                                         : Point{meter.position.x - s(1), meter.position.y + s(1)};
        surface.textOut(readingAt, reading);
    }
}

// Everything of a meter except its letter. Meters take the raster mode before the current
// arrow, so a preview's arrow is exclusive-or drawn with the rest.
template <typename DrawLetter>
void drawMeter(const Symbol& symbol, DrawingSurface& surface, int rasterMode, DrawLetter drawLetter)
{
    const CComponent& meter = symbol.element;
    const int c = symbol.c();
    const GridStep s(c);
    surface.setRasterMode(rasterMode);
    drawArrowAndTerminals(symbol, surface, rasterMode);
    drawRoundBodyAndLeads(symbol, surface);
    {
        PenScope pen(surface, 1, symbol.look.colour);
        drawLetter(meter.position.x, meter.position.y, s);
    }
    if (!isDirection(meter.orientation)) {
        return;
    }
    drawPolarityMarks(symbol, surface, s);
    if (meter.displayState == DISPLAY_PLACED) {
        drawMeterLabel(meter, symbol.look.reading, surface, c);
    }
}

}  // namespace

void drawVoltmeter(const Symbol& symbol, DrawingSurface& surface, int rasterMode)
{
    drawMeter(symbol, surface, rasterMode, [&surface](int x, int y, GridStep s) {
        polyline(surface, {{x - s(1, 3), y - s(1, 4)}, {x, y + s(1, 3)}, {x + s(1, 3), y - s(1, 4)}});
    });
}

void drawAmmeter(const Symbol& symbol, DrawingSurface& surface, int rasterMode)
{
    drawMeter(symbol, surface, rasterMode, [&surface](int x, int y, GridStep s) {
        polyline(surface, {{x - s(1, 3), y + s(1, 3)}, {x, y - s(1, 3)}, {x + s(1, 3), y + s(1, 3)}});
        line(surface, {x - s(1, 4), y + s(1, 5)}, {x + s(1, 4), y + s(1, 5)});
    });
}

}  // namespace kirvolt
