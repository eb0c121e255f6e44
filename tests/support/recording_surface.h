#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "document/codes.h"
#include "drawing/drawing_surface.h"

namespace kirvolt {

// gtest prints these when an expectation fails.
void PrintTo(const Point& point, std::ostream* out);
void PrintTo(const Rect& rect, std::ostream* out);
void PrintTo(const Pen& pen, std::ostream* out);
void PrintTo(const Font& font, std::ostream* out);

namespace testing {

// One straight stroke, with the pen and raster mode in force when it was drawn.
struct Segment {
    Point from;
    Point to;
    Pen pen;
    int rasterMode = RASTER_COPY;
    friend bool operator==(const Segment&, const Segment&) = default;
};

// An ellipse or arc by its bounding box.
struct Shape {
    Rect box;
    Pen pen;
    int rasterMode = RASTER_COPY;
    friend bool operator==(const Shape&, const Shape&) = default;
};

struct Pixel {
    Point at;
    Colour colour = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

struct Text {
    Point at;
    std::string text;
    Font font;
    Colour colour = COLOUR_BLACK;
    friend bool operator==(const Text&, const Text&) = default;
};

void PrintTo(const Segment& segment, std::ostream* out);
void PrintTo(const Shape& shape, std::ostream* out);
void PrintTo(const Text& text, std::ostream* out);

// A drawing surface that keeps every call so that tests can check exact strokes. It starts
// with a 1-unit black pen, the default font (Font{}) and copy mode. Text extents are fixed:
// 6 units per character in Arial, 7 in any other font, 16 high.
class RecordingSurface final : public DrawingSurface {
public:
    enum class Call { SelectPen, SelectFont, SetRasterMode, MoveTo, LineTo, Ellipse, Arc, SetPixel, TextOut };

    Pen selectPen(const Pen& newPen) override;
    Font selectFont(const Font& newFont) override;
    Colour setTextColour(Colour colour) override;
    int setRasterMode(int mode) override;
    void moveTo(Point p) override;
    void lineTo(Point p) override;
    void ellipse(Rect box) override;
    void arc(Rect box) override;
    void setPixel(Point p, Colour colour) override;
    void textOut(Point p, const std::string& text) override;
    Size textExtent(const std::string& text) override;

    // Forgets what was recorded; the pen, font and raster mode in force stay.
    void clearRecords();

    std::vector<Call> calls;
    std::vector<Pen> penSelections;
    std::vector<Font> fontSelections;
    std::vector<int> rasterModes;
    std::vector<Segment> segments;
    std::vector<Shape> ellipses;
    std::vector<Shape> arcs;
    std::vector<Pixel> pixels;
    std::vector<Text> texts;

    Pen pen;
    Font font;
    Colour textColour = COLOUR_BLACK;
    int rasterMode = RASTER_COPY;
    Point cursor;
};

}  // namespace testing
}  // namespace kirvolt
