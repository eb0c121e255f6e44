#include "view/drawing/circuit_painter.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "document/process_state.h"

namespace kirvolt {
namespace {

constexpr int AREA_SIZE = 5000;
constexpr int EQUATION_LINE_HEIGHT = 20;
constexpr int PANEL_LEFT = 20;

void drawDotGrid(DrawingSurface& surface, int c)
{
    for (int x = 0; x < AREA_SIZE; x += c) {
        for (int y = 0; y < AREA_SIZE; y += c) {
            surface.setPixel({x, y}, COLOUR_BLACK);
        }
    }
}

void drawSquareGrid(DrawingSurface& surface, int c)
{
    for (int x = 0; x < AREA_SIZE; x += c) {
        surface.moveTo({x, 0});
        surface.lineTo({x, AREA_SIZE});
    }
    for (int y = 0; y < AREA_SIZE; y += c) {
        surface.moveTo({0, y});
        surface.lineTo({AREA_SIZE, y});
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

// Lines 2 to 6 of every node's equation, block by block; line 1, the equation in words, stays
// in the node-equation dialog. The commands that change the text write it; painting only reads.
void drawEquationsPanel(const CKirvoltDoc& doc, DrawingSurface& surface)
{
    const int step = doc.equationLineHeight;
    // A count kept from a damaged file never lists more nodes than the records could carry.
    const int n = static_cast<int>(std::clamp<std::int64_t>(doc.nodeCount, 0, 2 * static_cast<std::int64_t>(doc.components.size())));
    const int ymax = lowestTerminal(doc);
    surface.textOut({PANEL_LEFT, ymax + doc.gridSize}, "Nodal Equations for the circuit drawn above are:");
    int y0 = ymax + doc.gridSize + 10;
    for (int block = 1; block <= 5; ++block) {
        for (int node = 1; node <= n; ++node) {
            surface.textOut({PANEL_LEFT, y0 + step * node},
                            "Node " + std::to_string(node) + ": " + equationLine(doc, node, block + 1));
        }
        if (block < 5) {
            surface.textOut({PANEL_LEFT, y0 + step * (n + 1)}, "=>");
            y0 += step * (n + 1);
        }
    }
}

}  // namespace

void PaintView(CKirvoltDoc& doc, DrawingSurface& surface)
{
    const int c = doc.gridSize;
    // A grid step below 1 (only a damaged file can bring one) would never reach the edge of
    // the area, so such a document is painted without a grid.
    const bool hasGridStep = c >= 1;
    if (hasGridStep && doc.gridStyle == GRID_DOTS) {
        drawDotGrid(surface, c);
    }
    const Pen previous = surface.selectPen(Pen{1, COLOUR_GRID_LINE});
    if (hasGridStep && doc.gridStyle == GRID_SQUARES) {
        drawSquareGrid(surface, c);
    }
    doc.equationLineHeight = EQUATION_LINE_HEIGHT;
    if (doc.showEquations == 1) {
        drawEquationsPanel(doc, surface);
    }
    processState().datumSymbolDrawn = 0;
    for (const auto& element : doc.components) {
        element->Draw(surface, RASTER_COPY, c);
    }
    surface.selectPen(previous);
}

}  // namespace kirvolt
