#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/component.h"
#include "drawing/symbol_test_support.h"

namespace kirvolt::testing {
namespace {

constexpr int XOR = RASTER_XOR;

struct GeometryCase {
    int c;
    int orientation;
};

void PrintTo(const GeometryCase& geometry, std::ostream* out)
{
    *out << "c = " << geometry.c << ", orientation " << geometry.orientation;
}

std::vector<GeometryCase> everyOrientationAtThreeZooms()
{
    std::vector<GeometryCase> cases;
    for (int c : {10, 20, 100}) {
        for (int orientation = ORIENT_EAST; orientation <= ORIENT_SOUTH; ++orientation) {
            cases.push_back({c, orientation});
        }
    }
    return cases;
}

std::string caseName(const ::testing::TestParamInfo<GeometryCase>& info)
{
    static const char* const directions[] = {"East", "North", "West", "South"};
    return std::string("c").append(std::to_string(info.param.c)).append(directions[info.param.orientation]);
}

// Every element is drawn as a ghost in exclusive-or mode, so only strokes appear and each
// must carry the raster mode.
class SymbolGeometry : public ::testing::TestWithParam<GeometryCase> {
protected:

    int c() const { return GetParam().c; }
    int orientation() const { return GetParam().orientation; }
    bool horizontal() const { return orientation() % 2 == 0; }
    Point at() const { return {30 * c(), 20 * c()}; }

    std::vector<Shape> terminalDots(const CComponent& element, int penWidth, int radius) const
    {
        const Pen pen{penWidth, element.colour};
        const Point s = element.startPoint;
        const Point f = element.finishPoint;
        return {{{s.x - radius, s.y - radius, s.x + radius, s.y + radius}, pen, XOR},
                {{f.x - radius, f.y - radius, f.x + radius, f.y + radius}, pen, XOR}};
    }

    std::vector<Segment> leads(int inner, Colour colour) const
    {
        const int x = at().x;
        const int y = at().y;
        const int h = 3 * c();
        const Pen pen{2, colour};
        if (horizontal()) {
            return {{{x - h, y}, {x - inner, y}, pen, XOR}, {{x + inner, y}, {x + h, y}, pen, XOR}};
        }
        return {{{x, y - h}, {x, y - inner}, pen, XOR}, {{x, y + inner}, {x, y + h}, pen, XOR}};
    }

    void draw(const CComponent& element)
    {
        drawAsRecorded(element, surface, XOR, c());
    }

    RecordingSurface surface;
};

int dotPenWidth(int c)
{
    return c == 10 ? 1 : c == 20 ? 2 : 16;
}

TEST_P(SymbolGeometry, EuropeanResistor)
{
    const CResistor resistor(1, at(), orientation(), COLOUR_COMPONENT, DISPLAY_GHOST, c(), STYLE_EUROPEAN);
    draw(resistor);

    const GridUnits u{c()};
    const int x = at().x;
    const int y = at().y;
    std::vector<Segment> expected = leads(u(1), COLOUR_COMPONENT);
    const Pen body{3, COLOUR_COMPONENT};
    if (horizontal()) {
        append(expected, chain({{x - u(1), y - u(1, 2)}, {x - u(1), y + u(1, 2)}, {x + u(1), y + u(1, 2)},
                                {x + u(1), y - u(1, 2)}, {x - u(1), y - u(1, 2)}},
                               body, XOR));
    } else {
        append(expected, chain({{x - u(1, 2), y - u(1)}, {x - u(1, 2), y + u(1)}, {x + u(1, 2), y + u(1)},
                                {x + u(1, 2), y - u(1)}, {x - u(1, 2), y - u(1)}},
                               body, XOR));
    }
    EXPECT_EQ(surface.segments, expected);
    EXPECT_EQ(surface.ellipses, terminalDots(resistor, dotPenWidth(c()), c() / 10));
    EXPECT_TRUE(surface.arcs.empty());
    EXPECT_TRUE(surface.texts.empty());
    EXPECT_EQ(surface.pen, Pen{});
}

TEST_P(SymbolGeometry, UsResistor)
{
    const CResistor resistor(1, at(), orientation(), COLOUR_COMPONENT, DISPLAY_GHOST, c(), STYLE_US);
    draw(resistor);

    const GridUnits u{c()};
    const int x = at().x;
    const int y = at().y;
    std::vector<Segment> expected = leads(u(1), COLOUR_COMPONENT);
    const Pen body{2, COLOUR_COMPONENT};
    if (horizontal()) {
        append(expected, chain({{x - u(1), y}, {x - u(7, 8), y + u(1, 2)}, {x - u(5, 8), y - u(1, 2)},
                                {x - u(3, 8), y + u(1, 2)}, {x - u(1, 8), y - u(1, 2)}, {x + u(1, 8), y + u(1, 2)},
                                {x + u(3, 8), y - u(1, 2)}, {x + u(5, 8), y + u(1, 2)}, {x + u(7, 8), y - u(1, 2)},
                                {x + u(1), y}},
                               body, XOR));
    } else {
        append(expected, chain({{x, y - u(1)}, {x + u(1, 2), y - u(7, 8)}, {x - u(1, 2), y - u(5, 8)},
                                {x + u(1, 2), y - u(3, 8)}, {x - u(1, 2), y - u(1, 8)}, {x + u(1, 2), y + u(1, 8)},
                                {x - u(1, 2), y + u(3, 8)}, {x + u(1, 2), y + u(5, 8)}, {x - u(1, 2), y + u(7, 8)},
                                {x, y + u(1)}},
                               body, XOR));
    }
    EXPECT_EQ(surface.segments, expected);
    EXPECT_EQ(surface.ellipses, terminalDots(resistor, dotPenWidth(c()), c() / 10));
}

TEST_P(SymbolGeometry, VoltageSourcePlatesFaceTheStartTerminal)
{
    const CVoltageSource source(1, at(), orientation(), COLOUR_COMPONENT, DISPLAY_GHOST, c(), STYLE_EUROPEAN);
    draw(source);

    const GridUnits u{c()};
    const int x = at().x;
    const int y = at().y;
    const Pen longPen{3, COLOUR_COMPONENT};
    const Pen shortPen{5, COLOUR_COMPONENT};
    const Segment plates[4][2] = {
        {{{x + u(1, 4), y - u(3, 4)}, {x + u(1, 4), y + u(3, 4)}, longPen, XOR},
         {{x - u(1, 4), y - u(1, 3)}, {x - u(1, 4), y + u(1, 3)}, shortPen, XOR}},
        {{{x - u(3, 4), y - u(1, 4)}, {x + u(3, 4), y - u(1, 4)}, longPen, XOR},
         {{x - u(1, 3), y + u(1, 4)}, {x + u(1, 3), y + u(1, 4)}, shortPen, XOR}},
        {{{x - u(1, 4), y - u(3, 4)}, {x - u(1, 4), y + u(3, 4)}, longPen, XOR},
         {{x + u(1, 4), y - u(1, 3)}, {x + u(1, 4), y + u(1, 3)}, shortPen, XOR}},
        {{{x - u(3, 4), y + u(1, 4)}, {x + u(3, 4), y + u(1, 4)}, longPen, XOR},
         {{x - u(1, 3), y - u(1, 4)}, {x + u(1, 3), y - u(1, 4)}, shortPen, XOR}},
    };
    std::vector<Segment> expected = leads(u(1, 4), COLOUR_COMPONENT);
    expected.push_back(plates[orientation()][0]);
    expected.push_back(plates[orientation()][1]);
    EXPECT_EQ(surface.segments, expected);
    EXPECT_EQ(surface.ellipses, terminalDots(source, dotPenWidth(c()), c() / 10));

    // The long plate lies between the centre and the start terminal.
    const Segment& longPlate = plates[orientation()][0];
    const Point start = source.startPoint;
    EXPECT_GT((longPlate.from.x - x) * (start.x - x) + (longPlate.from.y - y) * (start.y - y), 0);
}

TEST_P(SymbolGeometry, CurrentSourceArrowPointsToTheFinishTerminal)
{
    const CCurrentSource source(1, at(), orientation(), COLOUR_COMPONENT, DISPLAY_GHOST, c(), STYLE_EUROPEAN);
    draw(source);

    const GridUnits u{c()};
    const int x = at().x;
    const int y = at().y;
    const Pen thin{1, COLOUR_COMPONENT};
    std::vector<Segment> expected = leads(u(2, 3), COLOUR_COMPONENT);
    const Point tips[4][3] = {
        {{x + u(1, 3), y}, {x + u(1, 8), y - u(1, 5)}, {x + u(1, 8), y + u(1, 5)}},
        {{x, y - u(1, 3)}, {x - u(1, 5), y - u(1, 8)}, {x + u(1, 5), y - u(1, 8)}},
        {{x - u(1, 3), y}, {x - u(1, 8), y - u(1, 5)}, {x - u(1, 8), y + u(1, 5)}},
        {{x, y + u(1, 3)}, {x - u(1, 5), y + u(1, 8)}, {x + u(1, 5), y + u(1, 8)}},
    };
    const Point* tip = tips[orientation()];
    if (horizontal()) {
        expected.push_back({{x - u(1, 3), y}, {x + u(1, 3), y}, thin, XOR});
    } else {
        expected.push_back({{x, y - u(1, 3)}, {x, y + u(1, 3)}, thin, XOR});
    }
    expected.push_back({tip[0], tip[1], thin, XOR});
    expected.push_back({tip[0], tip[2], thin, XOR});
    EXPECT_EQ(surface.segments, expected);
    const std::vector<Shape> circle = {
        {{x - u(2, 3), y - u(2, 3), x + u(2, 3), y + u(2, 3)}, {2, COLOUR_COMPONENT}, XOR}};
    EXPECT_EQ(surface.arcs, circle);
    EXPECT_EQ(surface.ellipses, terminalDots(source, dotPenWidth(c()), c() / 10));

    // The tip lies on the finish side.
    const Point finish = source.finishPoint;
    EXPECT_GT((tip[0].x - x) * (finish.x - x) + (tip[0].y - y) * (finish.y - y), 0);
}

// Meters get no terminal points of their own; the test gives them the resistor's.
template <typename Meter>
Meter meterWithTerminals(Point at, int orientation, int c)
{
    Meter meter(1, at, orientation, COLOUR_METER, DISPLAY_GHOST, c, STYLE_EUROPEAN);
    const CResistor shape(1, at, orientation, COLOUR_METER, DISPLAY_GHOST, c, STYLE_EUROPEAN);
    meter.startPoint = shape.startPoint;
    meter.finishPoint = shape.finishPoint;
    meter.gridStart = shape.gridStart;
    meter.gridFinish = shape.gridFinish;
    return meter;
}

std::vector<Segment> polarityMarks(Point at, int orientation, GridUnits u)
{
    const int x = at.x;
    const int y = at.y;
    const Pen pen{2, COLOUR_METER};
    const Segment marks[4][3] = {
        {{{x + u(1), y - u(1, 2)}, {x + u(1) + u(1, 2), y - u(1, 2)}, pen, XOR},
         {{x + u(1) + u(1, 4), y + u(1, 5) - u(1)}, {x + u(1) + u(1, 4), y - u(1, 5)}, pen, XOR},
         {{x - u(1, 2) - u(1), y - u(1, 2)}, {x - u(1), y - u(1, 2)}, pen, XOR}},
        {{{x + u(1, 4), y - u(1, 6) - u(1)}, {x + u(1, 4) + u(1, 2), y - u(1, 6) - u(1)}, pen, XOR},
         {{x + u(2, 3) - u(1, 6), y + u(1, 8) - u(1, 2) - u(1)}, {x + u(2, 3) - u(1, 6), y - u(1, 3) - u(1, 2)}, pen, XOR},
         {{x + u(1, 4), y + u(1)}, {x + u(1, 4) + u(1, 2), y + u(1)}, pen, XOR}},
        {{{x - u(1, 2) - u(1), y - u(1, 2)}, {x - u(1), y - u(1, 2)}, pen, XOR},
         {{x - u(1, 4) - u(1), y + u(1, 5) - u(1)}, {x - u(1, 4) - u(1), y - u(1, 5)}, pen, XOR},
         {{x + u(1), y - u(1, 2)}, {x + u(1) + u(1, 2), y - u(1, 2)}, pen, XOR}},
        {{{x + u(1, 4), y + u(1) + u(1, 6)}, {x + u(1, 4) + u(1, 2), y + u(1) + u(1, 6)}, pen, XOR},
         {{x + u(2, 3) - u(1, 6), y + u(1, 3) + u(1, 2)}, {x + u(2, 3) - u(1, 6), y + u(1) + u(1, 2)}, pen, XOR},
         {{x + u(1, 4), y - u(1, 6) - u(1)}, {x + u(1, 4) + u(1, 2), y - u(1, 6) - u(1)}, pen, XOR}},
    };
    return {marks[orientation][0], marks[orientation][1], marks[orientation][2]};
}

TEST_P(SymbolGeometry, Voltmeter)
{
    const CVoltmeter meter = meterWithTerminals<CVoltmeter>(at(), orientation(), c());
    draw(meter);

    const GridUnits u{c()};
    const int x = at().x;
    const int y = at().y;
    std::vector<Segment> expected = leads(u(2, 3), COLOUR_METER);
    append(expected, chain({{x - u(1, 3), y - u(1, 4)}, {x, y + u(1, 3)}, {x + u(1, 3), y - u(1, 4)}},
                           {1, COLOUR_METER}, XOR));
    append(expected, polarityMarks(at(), orientation(), u));
    EXPECT_EQ(surface.segments, expected);
    EXPECT_EQ(surface.arcs.size(), 1u);
    EXPECT_EQ(surface.ellipses, terminalDots(meter, dotPenWidth(c()), c() / 10));
}

TEST_P(SymbolGeometry, Ammeter)
{
    const CAmmeter meter = meterWithTerminals<CAmmeter>(at(), orientation(), c());
    draw(meter);

    const GridUnits u{c()};
    const int x = at().x;
    const int y = at().y;
    const Pen thin{1, COLOUR_METER};
    std::vector<Segment> expected = leads(u(2, 3), COLOUR_METER);
    append(expected, chain({{x - u(1, 3), y + u(1, 3)}, {x, y - u(1, 3)}, {x + u(1, 3), y + u(1, 3)}}, thin, XOR));
    expected.push_back({{x - u(1, 4), y + u(1, 5)}, {x + u(1, 4), y + u(1, 5)}, thin, XOR});
    append(expected, polarityMarks(at(), orientation(), u));
    EXPECT_EQ(surface.segments, expected);
    const std::vector<Shape> circle = {
        {{x - u(2, 3), y - u(2, 3), x + u(2, 3), y + u(2, 3)}, {2, COLOUR_METER}, XOR}};
    EXPECT_EQ(surface.arcs, circle);
}

INSTANTIATE_TEST_SUITE_P(EveryOrientation, SymbolGeometry, ::testing::ValuesIn(everyOrientationAtThreeZooms()),
                         caseName);

TEST(SymbolGeometryAtFiftyPercent, FractionsTruncateAfterMultiplying)
{
    const CResistor resistor(1, {300, 200}, ORIENT_EAST, COLOUR_COMPONENT, DISPLAY_GHOST, 10, STYLE_US);
    RecordingSurface surface;
    drawAsRecorded(resistor, surface, RASTER_COPY, 10);

    // 7c/8 = 8, 5c/8 = 6, 3c/8 = 3, c/8 = 1 and c/2 = 5 at c = 10.
    const std::vector<Point> zigzag = {{290, 200}, {292, 205}, {294, 195}, {297, 205}, {299, 195},
                                       {301, 205}, {303, 195}, {306, 205}, {308, 195}, {310, 200}};
    ASSERT_EQ(surface.segments.size(), 11u);
    for (std::size_t i = 0; i + 1 < zigzag.size(); ++i) {
        EXPECT_EQ(surface.segments[i + 2].from, zigzag[i]);
        EXPECT_EQ(surface.segments[i + 2].to, zigzag[i + 1]);
    }
}

TEST(TerminalDot, RadiusAndPenWidthFollowTheZoom)
{
    struct Row {
        int c, radius, penWidth;
    };
    const Row rows[] = {{10, 1, 1}, {15, 1, 1}, {20, 2, 2}, {30, 3, 3}, {40, 4, 5}, {50, 5, 6},
                        {60, 6, 10}, {70, 7, 11}, {80, 8, 13}, {90, 9, 15}, {100, 10, 16}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.c);
        const CNode joint({20 * row.c, 10 * row.c}, 0, DISPLAY_GHOST, row.c, STYLE_EUROPEAN);
        RecordingSurface surface;
        drawAsRecorded(joint, surface, RASTER_COPY, row.c);
        ASSERT_EQ(surface.ellipses.size(), 1u);
        const Rect expectedBox{20 * row.c - row.radius, 10 * row.c - row.radius, 20 * row.c + row.radius,
                               10 * row.c + row.radius};
        EXPECT_EQ(surface.ellipses[0].box, expectedBox);
        EXPECT_EQ(surface.ellipses[0].pen, (Pen{row.penWidth, COLOUR_JOINT}));
    }
}

TEST(TerminalDot, DrawnAtTheGridTerminalsOfTheCurrentZoom)
{
    // Zooming keeps a resistor's stored terminal points; the dots follow the grid terminals.
    CResistor resistor(1, {200, 100}, ORIENT_EAST, COLOUR_COMPONENT, DISPLAY_GHOST, 20, STYLE_EUROPEAN);
    resistor.position = {400, 200};
    RecordingSurface surface;
    drawAsRecorded(resistor, surface, RASTER_COPY, 40);
    ASSERT_EQ(surface.ellipses.size(), 2u);
    EXPECT_EQ(surface.ellipses[0].box, (Rect{276, 196, 284, 204}));
    EXPECT_EQ(surface.ellipses[1].box, (Rect{516, 196, 524, 204}));
}

struct ArrowRow {
    int direction;
    Segment shaft, head1, head2;
};

TEST(CurrentArrow, EachDirectionAtFullSize)
{
    const Pen red{2, COLOUR_HIGHLIGHT};
    // Resistor at (200, 100), c = 20: 7c/6 = 23, 5c/6 = 16.
    const ArrowRow rows[] = {
        {ORIENT_EAST, {{177, 120}, {223, 120}, red}, {{223, 120}, {216, 116}, red}, {{223, 120}, {216, 123}, red}},
        {ORIENT_NORTH, {{220, 123}, {220, 77}, red}, {{220, 77}, {223, 84}, red}, {{220, 77}, {216, 84}, red}},
        {ORIENT_WEST, {{223, 120}, {177, 120}, red}, {{177, 120}, {184, 116}, red}, {{177, 120}, {184, 123}, red}},
        {ORIENT_SOUTH, {{220, 77}, {220, 123}, red}, {{220, 123}, {223, 116}, red}, {{220, 123}, {216, 116}, red}},
    };
    for (const ArrowRow& row : rows) {
        SCOPED_TRACE(row.direction);
        CResistor resistor(1, {200, 100}, ORIENT_EAST, COLOUR_COMPONENT, DISPLAY_GHOST, 20, STYLE_EUROPEAN);
        resistor.arrowDirection = row.direction;
        RecordingSurface surface;
        drawAsRecorded(resistor, surface, RASTER_COPY, 20);
        ASSERT_GE(surface.segments.size(), 3u);
        const std::vector<Segment> arrow(surface.segments.begin(), surface.segments.begin() + 3);
        EXPECT_EQ(arrow, (std::vector<Segment>{row.shaft, row.head1, row.head2}));
    }
}

TEST(CurrentArrow, NoneForDirectionFour)
{
    const CResistor resistor(1, {200, 100}, ORIENT_EAST, COLOUR_COMPONENT, DISPLAY_GHOST, 20, STYLE_EUROPEAN);
    ASSERT_EQ(resistor.arrowDirection, ARROW_NONE);
    RecordingSurface surface;
    drawAsRecorded(resistor, surface, RASTER_COPY, 20);
    for (const Segment& segment : surface.segments) {
        EXPECT_NE(segment.pen.colour, COLOUR_HIGHLIGHT);
    }
}

TEST(CurrentArrow, DrawnBeforeTheRasterModeExceptOnMeters)
{
    CResistor resistor(1, {200, 100}, ORIENT_EAST, COLOUR_COMPONENT, DISPLAY_GHOST, 20, STYLE_EUROPEAN);
    resistor.arrowDirection = ORIENT_EAST;
    RecordingSurface surface;
    drawAsRecorded(resistor, surface, RASTER_XOR, 20);
    EXPECT_EQ(surface.segments.front().rasterMode, RASTER_COPY);
    EXPECT_EQ(surface.segments.back().rasterMode, RASTER_XOR);

    CAmmeter meter(1, {200, 100}, ORIENT_EAST, COLOUR_METER, DISPLAY_GHOST, 20, STYLE_EUROPEAN);
    meter.arrowDirection = ORIENT_EAST;
    RecordingSurface meterSurface;
    drawAsRecorded(meter, meterSurface, RASTER_XOR, 20);
    EXPECT_EQ(meterSurface.segments.front().pen.colour, COLOUR_HIGHLIGHT);
    EXPECT_EQ(meterSurface.segments.front().rasterMode, RASTER_XOR);
}

TEST(ResistorSymbol, UnknownOrientationKeepsOnlyArrowAndDots)
{
    CResistor resistor(1, {200, 100}, ORIENT_EAST, COLOUR_COMPONENT, DISPLAY_PLACED, 20, STYLE_EUROPEAN);
    resistor.orientation = 7;
    resistor.arrowDirection = ORIENT_EAST;
    RecordingSurface surface;
    drawAsRecorded(resistor, surface, RASTER_COPY, 20);
    EXPECT_EQ(surface.segments.size(), 3u);
    EXPECT_EQ(surface.ellipses.size(), 2u);
    EXPECT_TRUE(surface.texts.empty());
}

TEST(ResistorSymbol, UnknownStyleHasNoBody)
{
    CResistor resistor(1, {200, 100}, ORIENT_EAST, COLOUR_COMPONENT, DISPLAY_GHOST, 20, STYLE_EUROPEAN);
    resistor.resistorStyle = 0;
    RecordingSurface surface;
    drawAsRecorded(resistor, surface, RASTER_COPY, 20);
    EXPECT_EQ(surface.segments.size(), 2u);
}

TEST(WireSymbol, TurningWireGoesThroughItsCorner)
{
    const CWire wire(1, {40, 40}, {100, 80}, COLOUR_WIRE, KIND_WIRE_TURN_HV, 20, STYLE_EUROPEAN);
    RecordingSurface surface;
    drawAsRecorded(wire, surface, RASTER_XOR, 20);
    const Pen pen{2, COLOUR_WIRE};
    EXPECT_EQ(surface.segments, (std::vector<Segment>{{{40, 40}, {100, 40}, pen, RASTER_XOR},
                                                      {{100, 40}, {100, 80}, pen, RASTER_XOR}}));
    const Pen dot{2, COLOUR_WIRE};
    EXPECT_EQ(surface.ellipses, (std::vector<Shape>{{{38, 38, 42, 42}, dot, RASTER_XOR},
                                                    {{98, 78, 102, 82}, dot, RASTER_XOR}}));
    EXPECT_EQ(surface.pen, Pen{});
}

TEST(WireSymbol, StraightWireHasItsCornerOnItsStart)
{
    const CWire wire(1, {40, 40}, {40, 100}, COLOUR_WIRE, KIND_WIRE, 10, STYLE_EUROPEAN);
    RecordingSurface surface;
    drawAsRecorded(wire, surface, RASTER_COPY, 10);
    const Pen pen{2, COLOUR_WIRE};
    EXPECT_EQ(surface.segments, (std::vector<Segment>{{{40, 40}, {40, 40}, pen, RASTER_COPY},
                                                      {{40, 40}, {40, 100}, pen, RASTER_COPY}}));
    EXPECT_EQ(surface.ellipses[1].box, (Rect{39, 99, 41, 101}));
}

}  // namespace
}  // namespace kirvolt::testing
