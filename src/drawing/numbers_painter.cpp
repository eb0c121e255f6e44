#include "drawing/numbers_painter.h"

#include <algorithm>
#include <cstdlib>

#include "document/readable_value.h"
#include "document/wording.h"
#include "drawing/symbol_bounds.h"
#include "drawing/symbol_labels.h"
#include "drawing/symbol_parts.h"
#include "drawing/voltage_colours.h"

namespace kirvolt {
namespace {

constexpr Colour ARROW_COLOUR = COLOUR_HIGHLIGHT;
constexpr Colour STALE_COLOUR = rgb(170, 170, 170);
constexpr int LEGEND_STEPS = 10;

// Wide enough to read as a colour beside the 2-unit wire drawn over it.
int tintWidth(int c) { return std::max(4, c / 3); }

// The scale stands beside the circuit's points, right of the rightmost and level with the
// topmost: the labels' boxes are generous and would put it far from what it explains.
std::optional<Point> legendCorner(const CKirvoltDoc& doc)
{
    std::optional<Point> corner;
    for (const auto& element : doc.components) {
        for (const Point p : {element->startPoint, element->finishPoint, element->position}) {
            corner = corner ? Point{std::max(corner->x, p.x), std::min(corner->y, p.y)} : p;
        }
    }
    return corner;
}

Colour tintOf(const RecordNumbers& n, const DrawnNumbers& numbers)
{
    return voltageColour(voltageFraction(n.startVoltage, numbers.lowestVoltage, numbers.highestVoltage));
}

}  // namespace

int currentArrowDirection(const CComponent& record, double current)
{
    if (current == 0.0 || record.gridStart == record.gridFinish) {
        return ARROW_NONE;
    }
    const Point from = current > 0 ? record.gridStart : record.gridFinish;
    const Point to = current > 0 ? record.gridFinish : record.gridStart;
    if (std::abs(to.x - from.x) >= std::abs(to.y - from.y)) {
        return to.x > from.x ? ORIENT_EAST : ORIENT_WEST;
    }
    return to.y < from.y ? ORIENT_NORTH : ORIENT_SOUTH;
}

void paintNodeTints(const CKirvoltDoc& doc, DrawingSurface& surface, const DrawnNumbers& numbers, const Rect& area)
{
    if (!numbers.describe(doc)) {
        return;
    }
    const int c = doc.gridSize;
    surface.setRasterMode(RASTER_COPY);
    for (const auto& element : doc.components) {
        const CComponent& e = *element;
        const RecordNumbers* n = numbers.of(e);
        if (n == nullptr || (!isWireKind(e.kindCode) && e.kindCode != KIND_JOINT) || !intersects(symbolBounds(e, c), area)) {
            continue;
        }
        PenScope pen(surface, tintWidth(c), tintOf(*n, numbers));
        if (e.kindCode == KIND_JOINT) {
            const int r = std::max(2, c / 3);
            surface.arc({e.position.x - r, e.position.y - r, e.position.x + r, e.position.y + r});
        } else {
            polyline(surface, {e.startPoint, e.position, e.finishPoint});
        }
    }
}

void paintCurrentArrows(const CKirvoltDoc& doc, DrawingSurface& surface, const DrawnNumbers& numbers, const Rect& area)
{
    const int c = doc.gridSize;
    const GridStep s(c);
    const Colour colour = numbers.describe(doc) ? ARROW_COLOUR : STALE_COLOUR;
    FontScope font(surface, labelFont(c, false));
    const Colour previousText = surface.setTextColour(colour);
    surface.setRasterMode(RASTER_COPY);
    for (const auto& element : doc.components) {
        const CComponent& e = *element;
        const RecordNumbers* n = numbers.of(e);
        if (n == nullptr || !n->carriesCurrent || !intersects(symbolBounds(e, c), area)) {
            continue;
        }
        const int direction = currentArrowDirection(e, n->current);
        if (direction == ARROW_NONE) {
            continue;
        }
        DrawCurrentArrow(surface, e.position, direction, c, colour);
        const bool horizontal = direction == ORIENT_EAST || direction == ORIENT_WEST;
        const Point at = horizontal ? Point{e.position.x - s(7, 6), e.position.y + s(4, 3)}
                                    : Point{e.position.x + s(4, 3), e.position.y - s(1, 3)};
        surface.textOut(at, quantityText(std::abs(n->current), 2, "A"));
    }
    surface.setTextColour(previousText);
}

void paintVoltageLegend(const CKirvoltDoc& doc, DrawingSurface& surface, const DrawnNumbers& numbers)
{
    const std::optional<Point> corner = legendCorner(doc);
    if (!numbers.describe(doc) || !corner) {
        return;
    }
    const int c = doc.gridSize;
    const GridStep s(c);
    const int left = corner->x + s(4);
    const int top = corner->y;
    const int band = std::max(2, s(1, 2));
    FontScope font(surface, labelFont(c, false));
    const Colour previousText = surface.setTextColour(COLOUR_BLACK);
    surface.setRasterMode(RASTER_COPY);
    surface.textOut({left, top - s(1)}, wording("VoltageScale", "Node voltage"));
    // The highest voltage at the top, as the lightest colour.
    for (int k = 0; k < LEGEND_STEPS; ++k) {
        const double fraction = 1.0 - (k + 0.5) / LEGEND_STEPS;
        PenScope pen(surface, band, voltageColour(fraction));
        const int y = top + band * k + band / 2;
        line(surface, {left, y}, {left + s(1), y});
    }
    surface.textOut({left + s(3, 2), top - s(1, 3)}, quantityText(numbers.highestVoltage, 2, "V"));
    surface.textOut({left + s(3, 2), top + band * LEGEND_STEPS - s(2, 3)}, quantityText(numbers.lowestVoltage, 2, "V"));
    surface.setTextColour(previousText);
}

}  // namespace kirvolt
