#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "drawing/symbol_bounds.h"
#include "drawing/symbols.h"
#include "support/recording_surface.h"

namespace kirvolt::testing {
namespace {

bool inside(const Rect& box, Point p)
{
    return p.x >= box.left && p.x <= box.right && p.y >= box.top && p.y <= box.bottom;
}

// Everything the recording surface saw, as the points it touched: stroke ends, shape corners
// and the corners of every text box (turned text reads upwards from its point).
std::vector<Point> touched(RecordingSurface& surface)
{
    std::vector<Point> points;
    for (const Segment& s : surface.segments) {
        points.push_back(s.from);
        points.push_back(s.to);
    }
    for (const auto* shapes : {&surface.ellipses, &surface.arcs}) {
        for (const Shape& shape : *shapes) {
            points.push_back({shape.box.left, shape.box.top});
            points.push_back({shape.box.right, shape.box.bottom});
        }
    }
    for (const Text& text : surface.texts) {
        const Size size = surface.textExtent(text.text);
        const bool upwards = text.font.escapement == 900;
        points.push_back(text.at);
        points.push_back(upwards ? Point{text.at.x + size.height, text.at.y - size.width}
                                 : Point{text.at.x + size.width, text.at.y + size.height});
    }
    return points;
}

std::unique_ptr<CComponent> element(int kind, Point at, int orientation, int c)
{
    const Point end{at.x + 7 * c, at.y - 4 * c};
    switch (kind) {
    case KIND_RESISTOR:
        return std::make_unique<CResistor>(123456, at, orientation, COLOUR_COMPONENT, DISPLAY_PLACED, c, STYLE_US);
    case KIND_VOLTAGE_SOURCE:
        return std::make_unique<CVoltageSource>(7, at, orientation, COLOUR_COMPONENT, DISPLAY_PLACED, c, STYLE_US);
    case KIND_CURRENT_SOURCE:
        return std::make_unique<CCurrentSource>(7, at, orientation, COLOUR_COMPONENT, DISPLAY_PLACED, c, STYLE_US);
    case KIND_VOLTMETER:
        return std::make_unique<CVoltmeter>(99, at, orientation, COLOUR_METER, DISPLAY_PLACED, c, STYLE_US);
    case KIND_AMMETER:
        return std::make_unique<CAmmeter>(99, at, orientation, COLOUR_METER, DISPLAY_PLACED, c, STYLE_US);
    case KIND_JOINT:
        return std::make_unique<CNode>(at, 47, DISPLAY_PLACED, c, STYLE_US);
    default:
        return std::make_unique<CWire>(3, at, end, COLOUR_WIRE, static_cast<std::uint16_t>(kind), c, STYLE_US);
    }
}

// Every kind in every direction at every zoom, with its longest labels, a current arrow in
// every direction, and for a joint its number and earth symbol: nothing is painted outside
// the symbol's bounds, so that painting only what meets a rectangle loses nothing.
TEST(SymbolBounds, HoldEverythingASymbolPaints)
{
    for (const int c : {10, 15, 20, 30, 50, 100}) {
        for (int kind = KIND_RESISTOR; kind <= KIND_JOINT; ++kind) {
            for (int orientation = ORIENT_EAST; orientation <= ORIENT_SOUTH; ++orientation) {
                for (int arrow = ORIENT_EAST; arrow <= ARROW_NONE; ++arrow) {
                    const Point at{40 * c, 40 * c};
                    auto record = element(kind, at, orientation, c);
                    record->setValue(-1234567.5);
                    RecordingSurface surface;
                    SymbolLook look = recordLook(*record, c, true);
                    look.arrowDirection = arrow;
                    look.earth = true;
                    Draw(*record, surface, RASTER_COPY, look);
                    const Rect box = symbolBounds(*record, c);
                    for (Point p : touched(surface)) {
                        EXPECT_TRUE(inside(box, p)) << "kind " << kind << " orientation " << orientation << " at c "
                                                    << c << ": (" << p.x << ", " << p.y << ")";
                    }
                }
            }
        }
    }
}

TEST(SymbolBounds, OfACircuitHoldEveryElementAndNothingElse)
{
    CKirvoltDoc doc;
    EXPECT_FALSE(circuitBounds(doc).has_value());
    doc.AddComponent(element(KIND_RESISTOR, {200, 200}, ORIENT_EAST, 20));
    doc.AddComponent(element(KIND_JOINT, {1000, 600}, ORIENT_EAST, 20));
    const Rect box = *circuitBounds(doc);
    for (const auto& record : doc.components) {
        const Rect symbol = symbolBounds(*record, 20);
        EXPECT_LE(box.left, symbol.left);
        EXPECT_LE(box.top, symbol.top);
        EXPECT_GE(box.right, symbol.right);
        EXPECT_GE(box.bottom, symbol.bottom);
    }
    EXPECT_EQ(box.left, symbolBounds(*doc.components[0], 20).left);
    EXPECT_EQ(box.bottom, symbolBounds(*doc.components[1], 20).bottom);
}

}  // namespace
}  // namespace kirvolt::testing
