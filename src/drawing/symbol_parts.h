#pragma once

#include <initializer_list>

#include "document/component.h"
#include "drawing/drawing_surface.h"
#include "drawing/symbols.h"

namespace kirvolt {

// Fractions of the grid step c, multiplied before dividing: step(7, 8) is (7·c) div 8, so every
// symbol dimension truncates exactly once.
class GridStep {
public:
    explicit constexpr GridStep(int c) : c(c) {}
    constexpr int operator()(int numerator, int denominator = 1) const { return numerator * c / denominator; }

private:
    int c;
};

// Selects a pen for one drawing step and selects the previous pen again when the step ends.
class PenScope {
public:
    PenScope(DrawingSurface& surface, int width, Colour colour)
        : surface(surface), previous(surface.selectPen(Pen{width, colour}))
    {
    }
    ~PenScope() { surface.selectPen(previous); }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

private:
    DrawingSurface& surface;
    Pen previous;
};

// The same for a font.
class FontScope {
public:
    FontScope(DrawingSurface& surface, const Font& font) : surface(surface), previous(surface.selectFont(font)) {}
    ~FontScope() { surface.selectFont(previous); }
    FontScope(const FontScope&) = delete;
    FontScope& operator=(const FontScope&) = delete;

private:
    DrawingSurface& surface;
    Font previous;
};

constexpr bool isHorizontal(int orientation) { return orientation == ORIENT_EAST || orientation == ORIENT_WEST; }
constexpr bool isVertical(int orientation) { return orientation == ORIENT_NORTH || orientation == ORIENT_SOUTH; }
// Symbols are drawn only along one of the four directions; any other orientation value has no shape.
constexpr bool isDirection(int orientation) { return isHorizontal(orientation) || isVertical(orientation); }

void line(DrawingSurface& surface, Point from, Point to);
void polyline(DrawingSurface& surface, std::initializer_list<Point> points);

// Pen width of a terminal dot: thicker steps at the larger zoom levels keep the dot solid.
int terminalDotPenWidth(int c);

// A small filled circle of radius c/10 at a terminal.
void DrawTerminalDot(DrawingSurface& surface, Point at, int rasterMode, Colour colour, int c);

// The arrow (red unless told) one grid step beside the symbol's axis; nothing for ARROW_NONE.
void DrawCurrentArrow(DrawingSurface& surface, Point position, int arrowDirection, int c,
                      Colour colour = COLOUR_HIGHLIGHT);

// One element as this paint draws it: its record, and how it looks now.
struct Symbol {
    const CComponent& element;
    const SymbolLook& look;
    int c() const { return look.gridSize; }
};

// What every two-terminal symbol draws before its body: the current arrow, both terminal
// dots, then the raster mode for the body.
void drawArrowAndTerminals(const Symbol& symbol, DrawingSurface& surface, int rasterMode);

// Leads from both symbol ends (3c from the centre) in to `inner` from the centre, pen 2.
void drawLeads(const Symbol& symbol, DrawingSurface& surface, int inner);

// The circle of radius 2c/3 and its leads, shared by current sources and meters.
void drawRoundBodyAndLeads(const Symbol& symbol, DrawingSurface& surface);

// The symbols of each kind; Draw chooses among them.
void drawResistor(const Symbol& symbol, DrawingSurface& surface, int rasterMode);
void drawVoltageSource(const Symbol& symbol, DrawingSurface& surface, int rasterMode);
void drawCurrentSource(const Symbol& symbol, DrawingSurface& surface, int rasterMode);
void drawVoltmeter(const Symbol& symbol, DrawingSurface& surface, int rasterMode);
void drawAmmeter(const Symbol& symbol, DrawingSurface& surface, int rasterMode);
void drawWire(const Symbol& symbol, DrawingSurface& surface, int rasterMode);
void drawJoint(const Symbol& symbol, DrawingSurface& surface, int rasterMode);

}  // namespace kirvolt
