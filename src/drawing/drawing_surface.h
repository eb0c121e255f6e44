#pragma once

#include <string>

#include "document/geometry.h"

namespace kirvolt {

struct Pen {
    int width = 1;
    Colour colour = COLOUR_BLACK;
    friend bool operator==(const Pen&, const Pen&) = default;
};

// A font by face, height in logical units, weight (100..900) and escapement in tenths of a
// degree (900 = text rotated to read upwards).
struct Font {
    std::string face;
    int height = 0;
    int weight = 400;
    int escapement = 0;
    friend bool operator==(const Font&, const Font&) = default;
};

// Everything the element and view drawing code paints through. The screen, the printer,
// images and the tests' recorder implement it.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Selects a solid pen and returns the one selected before.
    virtual Pen selectPen(const Pen& pen) = 0;
    // Selects a font and returns the one selected before.
    virtual Font selectFont(const Font& font) = 0;
    // Sets the colour of text drawn from now on and returns the one before (black at first).
    virtual Colour setTextColour(Colour colour) = 0;
    // RASTER_COPY or RASTER_XOR; returns the previous mode.
    virtual int setRasterMode(int mode) = 0;

    virtual void moveTo(Point p) = 0;
    virtual void lineTo(Point p) = 0;
    // Outline with the pen, interior with the surface's white brush.
    virtual void ellipse(Rect box) = 0;
    // Full-circle outline only.
    virtual void arc(Rect box) = 0;
    virtual void setPixel(Point p, Colour colour) = 0;
    // Sets pixels of one colour at columns × rows points `step` apart, the first at `origin`,
    // column by column; a surface may set them in any order that gives the same picture.
    virtual void setPixelLattice(Point origin, int step, int columns, int rows, Colour colour);
    // Text whose unrotated box has its top-left corner at p.
    virtual void textOut(Point p, const std::string& text) = 0;
    virtual Size textExtent(const std::string& text) = 0;
};

}  // namespace kirvolt
