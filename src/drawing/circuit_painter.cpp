#include "drawing/circuit_painter.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "document/readable_value.h"
#include "document/wording.h"
#include "drawing/numbers_painter.h"
#include "drawing/symbol_bounds.h"
#include "drawing/symbols.h"

namespace kirvolt {
namespace {

constexpr int EQUATION_LINE_HEIGHT = 20;
constexpr int PANEL_LEFT = 20;
// A panel line's text reaches below its top and right of its start; lines near the painted
// area are painted too. The panel's font is the surface's own, of about this height.
constexpr int PANEL_TEXT_HEIGHT = 20;

// The multiples of c in [0, DRAWING_AREA) from the first at or after `from` to the last before `to`.
struct GridSpan {
    int first;
    int end;
};

GridSpan gridSpan(int from, int to, int c)
{
    const int low = std::max(from, 0);
    const int high = std::min(to, DRAWING_AREA);
    return {(low + c - 1) / c * c, high};
}

void drawDotGrid(DrawingSurface& surface, int c, const Rect& area)
{
    const GridSpan columns = gridSpan(area.left, area.right, c);
    const GridSpan rows = gridSpan(area.top, area.bottom, c);
    const auto count = [c](GridSpan span) { return span.first < span.end ? (span.end - span.first + c - 1) / c : 0; };
    surface.setPixelLattice({columns.first, rows.first}, c, count(columns), count(rows), COLOUR_BLACK);
}

// Lines run across the whole drawing area, or across as much of it as is painted.
void drawSquareGrid(DrawingSurface& surface, int c, const Rect& area, bool whole)
{
    const int top = whole ? 0 : std::max(area.top, 0);
    const int bottom = whole ? DRAWING_AREA : std::min(area.bottom, DRAWING_AREA);
    const int left = whole ? 0 : std::max(area.left, 0);
    const int right = whole ? DRAWING_AREA : std::min(area.right, DRAWING_AREA);
    const GridSpan columns = gridSpan(area.left, area.right, c);
    const GridSpan rows = gridSpan(area.top, area.bottom, c);
    for (int x = columns.first; x < columns.end; x += c) {
        surface.moveTo({x, top});
        surface.lineTo({x, bottom});
    }
    for (int y = rows.first; y < rows.end; y += c) {
        surface.moveTo({left, y});
        surface.lineTo({right, y});
    }
}

// The panel follows the lowest terminal of the circuit, never rising above the top of the area.
int lowestTerminal(const CKirvoltDoc& doc)
{
    int ymax = 0;
    for (const auto& element : doc.components) {
        ymax = std::max({ymax, element->startPoint.y, element->finishPoint.y});
    }
    return ymax;
}

const std::string& equationLine(const CKirvoltDoc& doc, int node, int line)
{
    static const std::string empty;
    const auto row = static_cast<std::size_t>(node);
    return row < doc.equationText.size() ? doc.equationText[row][static_cast<std::size_t>(line)] : empty;
}

// A method's listed equations: the title where the node equations have theirs, then one line
// after another as the node equations' blocks run, only those that meet the painted area.
template <typename Put>
void drawListedEquations(const std::vector<std::string>& lines, int top, const Rect& area, const Put& put)
{
    const int step = EQUATION_LINE_HEIGHT;
    const int y0 = top + 10;
    const auto count = static_cast<std::int64_t>(lines.size());
    put({PANEL_LEFT, top}, lines.front());
    const std::int64_t first = std::clamp<std::int64_t>((static_cast<std::int64_t>(area.top) - PANEL_TEXT_HEIGHT - y0) / step, 1, count);
    const std::int64_t last = std::clamp<std::int64_t>((static_cast<std::int64_t>(area.bottom) - y0) / step, 0, count - 1);
    for (std::int64_t k = first; k <= last; ++k) {
        put({PANEL_LEFT, static_cast<int>(y0 + step * k)}, lines[static_cast<std::size_t>(k)]);
    }
}

// The listed equations of the method last shown, else lines 2 to 6 of every node's equation,
// block by block; line 1, the equation in words, stays in the node-equation dialog. The
// commands that change the text write it; painting only reads.
void drawEquationsPanel(const CKirvoltDoc& doc, DrawingSurface& surface, const Rect& area)
{
    const int step = EQUATION_LINE_HEIGHT;
    const auto put = [&surface, &area](Point at, const std::string& text) {
        if (at.y < area.bottom && at.y + PANEL_TEXT_HEIGHT > area.top && at.x < area.right) {
            surface.textOut(at, text);
        }
    };
    const int ymax = lowestTerminal(doc);
    if (!doc.listedEquations.empty()) {
        drawListedEquations(doc.listedEquations, ymax + doc.gridSize, area, put);
        return;
    }
    // A count kept from a damaged file never lists more nodes than the records could carry.
    const int n = static_cast<int>(std::clamp<std::int64_t>(doc.nodeCount, 0, 2 * static_cast<std::int64_t>(doc.components.size())));
    put({PANEL_LEFT, ymax + doc.gridSize}, wording("EquationsPanel", "Nodal Equations for the circuit drawn above are:"));
    int y0 = ymax + doc.gridSize + 10;
    for (int block = 1; block <= 5; ++block) {
        // Only the nodes whose lines meet the painted area, so that a large circuit's panel
        // costs what is shown.
        const std::int64_t above = (static_cast<std::int64_t>(area.top) - PANEL_TEXT_HEIGHT - y0) / step;
        const std::int64_t below = (static_cast<std::int64_t>(area.bottom) - y0) / step;
        const int first = static_cast<int>(std::clamp<std::int64_t>(above, 1, n + 1));
        const int last = static_cast<int>(std::clamp<std::int64_t>(below, 0, n));
        for (int node = first; node <= last; ++node) {
            put({PANEL_LEFT, y0 + step * node}, "Node " + std::to_string(node) + ": " + equationLine(doc, node, block + 1));
        }
        if (block < 5) {
            put({PANEL_LEFT, y0 + step * (n + 1)}, "=>");
            y0 += step * (n + 1);
        }
    }
}

// The first joint of the datum node in list order carries the earth symbol, wherever the paint
// is cut off.
const CComponent* earthJoint(const CKirvoltDoc& doc)
{
    const auto found = std::find_if(doc.components.begin(), doc.components.end(), [](const auto& element) {
        return element->kindCode == KIND_JOINT && element->datumMark == 1;
    });
    return found == doc.components.end() ? nullptr : found->get();
}

// What a meter shows beside its symbol while the analysis results are the drawing's.
std::string readingLabel(const CKirvoltDoc& doc, const CComponent& meter)
{
    const MeterReading* reading = isMeterKind(meter.kindCode) ? doc.currentReading(meter) : nullptr;
    if (reading == nullptr) {
        return {};
    }
    if (!reading->reads) {
        return wording("EquationsPanel", "no reading");
    }
    return quantityText(reading->value, 2, meter.kindCode == KIND_AMMETER ? "A" : "V");
}

SymbolLook lookOf(const CKirvoltDoc& doc, const CComponent& element, const PaintOptions& options,
                  const CComponent* earth)
{
    SymbolLook look = recordLook(element, doc.gridSize, options.showNodeNumbers);
    look.earth = &element == earth;
    look.reading = readingLabel(doc, element);
    if (options.valueLabels != nullptr) {
        if (const auto label = options.valueLabels->find(element.recordId); label != options.valueLabels->end()) {
            look.valueLabel = label->second;
        }
    }
    if (options.selection != nullptr && options.selection->contains(element)) {
        look.colour = COLOUR_SELECTION;
    }
    if (options.highlight != nullptr) {
        if (options.highlight->isRed(element)) {
            look.colour = COLOUR_HIGHLIGHT;
        }
        if (const int arrow = options.highlight->arrowOf(element); arrow != ARROW_NONE) {
            look.arrowDirection = arrow;
        }
    }
    return look;
}

}  // namespace

PaintOptions documentPaintOptions(const CKirvoltDoc& doc)
{
    return {doc.gridStyle, doc.showEquations == 1, doc.display().showNodeNumbers == 1, nullptr, nullptr, std::nullopt, nullptr, {}};
}

void PaintView(const CKirvoltDoc& doc, DrawingSurface& surface, const PaintOptions& options)
{
    const int c = doc.gridSize;
    const Rect area = options.area.value_or(Rect{INT32_MIN / 2, INT32_MIN / 2, INT32_MAX / 2, INT32_MAX / 2});
    // A grid step below 1 (only a damaged file can bring one) would never reach the edge of
    // the area, so such a document is painted without a grid.
    const bool hasGridStep = c >= 1;
    if (hasGridStep && options.gridStyle == GRID_DOTS) {
        drawDotGrid(surface, c, area);
    }
    const Pen previous = surface.selectPen(Pen{1, COLOUR_GRID_LINE});
    if (hasGridStep && options.gridStyle == GRID_SQUARES) {
        drawSquareGrid(surface, c, area, !options.area.has_value());
    }
    if (options.showEquations) {
        drawEquationsPanel(doc, surface, area);
    }
    const DrawnNumbers* numbers = options.numbers;
    if (numbers != nullptr && options.shown.voltages) {
        paintNodeTints(doc, surface, *numbers, area);
    }
    if (options.loopCurrents != nullptr && hasGridStep) {
        paintLoopTree(*options.loopCurrents, surface, c);
    }
    const CComponent* earth = earthJoint(doc);
    for (const auto& element : doc.components) {
        if (!options.area || intersects(symbolBounds(*element, c), area)) {
            Draw(*element, surface, RASTER_COPY, lookOf(doc, *element, options, earth));
        }
    }
    if (numbers != nullptr && options.shown.currents) {
        paintCurrentArrows(doc, surface, *numbers, area);
    }
    if (numbers != nullptr && options.shown.voltages) {
        paintVoltageLegend(doc, surface, *numbers);
    }
    if (options.meshCurrents != nullptr && hasGridStep) {
        paintMeshCurrents(*options.meshCurrents, surface, c);
    }
    if (options.loopCurrents != nullptr && hasGridStep) {
        paintLoopCurrents(*options.loopCurrents, surface, c);
        paintTracedLoops(*options.loopCurrents, surface, c);
    }
    surface.selectPen(previous);
}

}  // namespace kirvolt
