#pragma once

#include <QFont>
#include <QPainter>
#include <QPen>

#include "document/drawing_surface.h"

namespace kirvolt {

// The drawing surface on a QPainter: screen, printer, print preview and images. Logical units
// are the painter's units. Construct it on an active painter for one paint; it switches
// antialiasing off and selects a 1-unit black pen and copy mode. Its default font (Font{},
// empty face) is the font the painter had at construction. Text and pixels are always copied,
// whatever the raster mode, as the pens alone combine with the surface.
class QtDrawingSurface final : public DrawingSurface {
public:
    explicit QtDrawingSurface(QPainter& painter);

    Pen selectPen(const Pen& pen) override;
    Font selectFont(const Font& font) override;
    int setRasterMode(int mode) override;
    void moveTo(Point p) override;
    void lineTo(Point p) override;
    void ellipse(Rect box) override;
    void arc(Rect box) override;
    void setPixel(Point p, Colour colour) override;
    void textOut(Point p, const std::string& text) override;
    Size textExtent(const std::string& text) override;

private:
    QImage* directImage() const;

    QPainter& painter;
    QFont defaultFont;
    Pen currentPen;
    Font currentFont;
    int rasterMode;
    Point cursor;
};

}  // namespace kirvolt
