#include <gtest/gtest.h>

#include "drawing/circuit_painter.h"
#include "support/recording_surface.h"

namespace kirvolt {
namespace {

using testing::RecordingSurface;

// At grid step 20 a mesh with its corner at grid point (10, 10) gets its circle of radius 20
// centred at (260, 240), the arrowhead on top pointing right, and its current beside it, all in
// red; the pen and fonts in force before come back.
TEST(MeshCurrentPainter, PaintsAClockwiseCircleAndTheCurrentInsideEachMesh)
{
    RecordingSurface surface;
    const Pen before = surface.pen;
    paintMeshCurrents({{1, {10, 10}, 0.12}, {2, {20, 10}, -0.00213}}, surface, 20);
    ASSERT_EQ(surface.arcs.size(), 2u);
    EXPECT_EQ(surface.arcs[0].box, (Rect{240, 220, 280, 260}));
    EXPECT_EQ(surface.arcs[0].pen, (Pen{2, COLOUR_HIGHLIGHT}));
    EXPECT_EQ(surface.arcs[1].box, (Rect{440, 220, 480, 260}));
    ASSERT_EQ(surface.segments.size(), 4u);
    EXPECT_EQ(surface.segments[0].from, (Point{260, 220}));
    EXPECT_EQ(surface.segments[0].to, (Point{254, 214}));
    EXPECT_EQ(surface.segments[1].to, (Point{254, 226}));
    ASSERT_EQ(surface.texts.size(), 2u);
    EXPECT_EQ(surface.texts[0].text, "I1 = 0.12 A");
    EXPECT_EQ(surface.texts[0].at, (Point{290, 234}));
    EXPECT_EQ(surface.texts[0].colour, COLOUR_HIGHLIGHT);
    EXPECT_EQ(surface.texts[1].text, "I2 = -2.13 mA");
    EXPECT_EQ(surface.pen, before);
    EXPECT_EQ(surface.textColour, COLOUR_BLACK);
}

// While the student works the currents out, each circle is named without its value.
TEST(MeshCurrentPainter, ACurrentWithoutItsValueIsNamedOnly)
{
    RecordingSurface surface;
    paintMeshCurrents({{1, {10, 10}, std::nullopt}, {2, {20, 10}, 0.5}}, surface, 20);
    ASSERT_EQ(surface.arcs.size(), 2u);
    ASSERT_EQ(surface.texts.size(), 2u);
    EXPECT_EQ(surface.texts[0].text, "I1");
    EXPECT_EQ(surface.texts[0].at, (Point{290, 234}));
    EXPECT_EQ(surface.texts[1].text, "I2 = 0.50 A");
}

}  // namespace
}  // namespace kirvolt
