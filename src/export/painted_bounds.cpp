#include "export/painted_bounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "document/codes.h"

namespace kirvolt {
namespace {

// Takes the paint, keeps its extent and asks the measuring surface for text sizes only.
class BoundsSurface final : public DrawingSurface {
public:
    explicit BoundsSurface(DrawingSurface& measure) : measure(measure) {}

    Pen selectPen(const Pen& newPen) override { return std::exchange(pen, newPen); }
    Font selectFont(const Font& newFont) override
    {
        measure.selectFont(newFont);
        return std::exchange(font, newFont);
    }
    Colour setTextColour(Colour colour) override { return std::exchange(textColour, colour); }
    int setRasterMode(int mode) override { return std::exchange(rasterMode, mode); }
    void moveTo(Point p) override { cursor = p; }
    void lineTo(Point p) override
    {
        const int half = (std::max(pen.width, 1) + 1) / 2;
        add({std::min(cursor.x, p.x) - half, std::min(cursor.y, p.y) - half, std::max(cursor.x, p.x) + half,
             std::max(cursor.y, p.y) + half});
        cursor = p;
    }
    void ellipse(Rect box) override { add(widened(box)); }
    void arc(Rect box) override { add(widened(box)); }
    void setPixel(Point p, Colour) override { add({p.x, p.y, p.x + 1, p.y + 1}); }
    void textOut(Point p, const std::string& text) override
    {
        const Size size = measure.textExtent(text);
        // The escapement turns the box counter-clockwise about its top-left corner.
        const double angle = font.escapement / 10.0 * std::numbers::pi / 180.0;
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        double left = p.x, top = p.y, right = p.x, bottom = p.y;
        const std::array<std::pair<int, int>, 3> corners{{{size.width, 0}, {0, size.height}, {size.width, size.height}}};
        for (const auto& [dx, dy] : corners) {
            const double x = p.x + dx * c + dy * s;
            const double y = p.y - dx * s + dy * c;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        add({static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top)), static_cast<int>(std::ceil(right)),
             static_cast<int>(std::ceil(bottom))});
    }
    Size textExtent(const std::string& text) override { return measure.textExtent(text); }

    std::optional<Rect> box;

private:
    Rect widened(const Rect& r) const
    {
        const int half = (std::max(pen.width, 1) + 1) / 2;
        return {r.left - half, r.top - half, r.right + half, r.bottom + half};
    }
    void add(const Rect& r)
    {
        box = !box ? r
                   : Rect{std::min(box->left, r.left), std::min(box->top, r.top), std::max(box->right, r.right),
                          std::max(box->bottom, r.bottom)};
    }

    DrawingSurface& measure;
    Pen pen;
    Font font;
    int rasterMode = RASTER_COPY;
    Colour textColour = COLOUR_BLACK;
    Point cursor;
};

}  // namespace

std::optional<Rect> paintedBounds(const CKirvoltDoc& doc, const PaintOptions& options, DrawingSurface& measure)
{
    BoundsSurface surface(measure);
    const Font previous = measure.selectFont(Font{});
    PaintView(doc, surface, options);
    measure.selectFont(previous);
    return surface.box;
}

}  // namespace kirvolt
