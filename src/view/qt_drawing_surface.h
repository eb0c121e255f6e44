#pragma once

#include <QFont>
#include <QPainter>
#include <QPen>

#include "document/drawing_surface.h"

namespace kirvolt {

// The drawing surface on a QPainter: screen, printer, print preview and images.
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
    QPainter& painter;
    Pen currentPen;
    Font currentFont;
    int rasterMode;
    Point cursor;
};

}  // namespace kirvolt
