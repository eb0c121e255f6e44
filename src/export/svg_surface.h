#pragma once

#include <string>

#include "document/codes.h"
#include "drawing/drawing_surface.h"

namespace kirvolt {

// A drawing surface that writes SVG: lines stay lines and text stays text, so the picture
// scales cleanly wherever it is placed. Logical units are SVG user units. Text sizes are the
// fonts' heights; widths are estimated, since no font is at hand to measure.
class SvgSurface final : public DrawingSurface {
public:
    Pen selectPen(const Pen& pen) override;
    Font selectFont(const Font& font) override;
    int setRasterMode(int mode) override;
    void moveTo(Point p) override;
    void lineTo(Point p) override;
    void ellipse(Rect box) override;
    void arc(Rect box) override;
    void setPixel(Point p, Colour colour) override;
    Colour setTextColour(Colour colour) override;
    void textOut(Point p, const std::string& text) override;
    Size textExtent(const std::string& text) override;

    // The <svg> element showing the area on white, each logical unit `scale` units wide.
    std::string svgElement(const Rect& area, int scale);
    // The same as a standalone file.
    std::string svgDocument(const Rect& area, int scale);

private:
    void flushPath();
    int fontHeight() const;

    std::string body;
    // Connected lines of one pen are written as one path.
    std::string path;
    Point pathEnd;
    Pen pen;
    Font font;
    Colour textColour = COLOUR_BLACK;
    int rasterMode = RASTER_COPY;
    Point cursor;
};

}  // namespace kirvolt
