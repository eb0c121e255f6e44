#include <gtest/gtest.h>

#include <vector>

#include "document/component.h"
#include "drawing/symbols.h"
#include "drawing/symbol_test_support.h"
#include "support/recording_surface.h"

namespace kirvolt::testing {
namespace {

class JointSymbol : public ::testing::Test {
protected:

    CNode joint(int number, int datumMark = 0) const
    {
        CNode node({200, 100}, number, DISPLAY_PLACED, 20, STYLE_EUROPEAN);
        node.datumMark = datumMark;
        return node;
    }

    RecordingSurface surface;
};

// Joint at (200, 100), c = 20: c/2 = 10, c/8 = 2, 3c/8 = 7, 5c/8 = 12, 3c/4 = 15, 7c/8 = 17, 4c/3 = 26.
const std::vector<Segment> EARTH = {
    {{200, 100}, {210, 110}, {1, COLOUR_JOINT}}, {{210, 110}, {210, 120}, {1, COLOUR_JOINT}},
    {{210, 120}, {207, 126}, {1, COLOUR_JOINT}}, {{202, 120}, {217, 120}, {1, COLOUR_JOINT}},
    {{205, 120}, {202, 126}, {1, COLOUR_JOINT}}, {{215, 120}, {212, 126}, {1, COLOUR_JOINT}},
};

TEST_F(JointSymbol, DotAndNumberInItsCircle)
{
    drawAsRecorded(joint(7), surface, RASTER_COPY, 20);
    EXPECT_EQ(surface.ellipses, (std::vector<Shape>{{{198, 98, 202, 102}, {2, COLOUR_JOINT}, RASTER_COPY}}));
    EXPECT_EQ(surface.arcs, (std::vector<Shape>{{{204, 77, 223, 95}, {1, COLOUR_JOINT}, RASTER_COPY}}));
    EXPECT_EQ(surface.texts, (std::vector<Text>{{{210, 80}, "7", Font{"Arial", 13, 400, 0}}}));
    EXPECT_TRUE(surface.segments.empty());
    EXPECT_EQ(surface.pen, Pen{});
    EXPECT_EQ(surface.font, Font{});
}

TEST_F(JointSymbol, LongNumbersShowTwoCharactersFurtherLeft)
{
    drawAsRecorded(joint(12), surface, RASTER_COPY, 20);
    drawAsRecorded(joint(123), surface, RASTER_COPY, 20);
    ASSERT_EQ(surface.texts.size(), 2u);
    EXPECT_EQ(surface.texts[0].text, "12");
    EXPECT_EQ(surface.texts[0].at, (Point{207, 80}));
    EXPECT_EQ(surface.texts[1].text, "12");
}

TEST_F(JointSymbol, NumbersHiddenWhileSwitchedOff)
{
    const CNode seven = joint(7);
    Draw(seven, surface, RASTER_COPY, recordLook(seven, 20, false));
    EXPECT_TRUE(surface.texts.empty());
    EXPECT_TRUE(surface.arcs.empty());
    EXPECT_EQ(surface.ellipses.size(), 1u);
}

// The painter chooses the one joint of a paint that carries the earth; the joint draws it when told.
TEST_F(JointSymbol, EarthWhereTheLookSaysSo)
{
    const CNode plain = joint(1, 0);
    const CNode datum = joint(1, 1);
    drawAsRecorded(plain, surface, RASTER_COPY, 20);
    EXPECT_TRUE(surface.segments.empty());
    drawAsRecorded(datum, surface, RASTER_COPY, 20);
    EXPECT_EQ(surface.segments, EARTH);
    SymbolLook noEarth = recordLook(datum, 20, true);
    noEarth.earth = false;
    Draw(datum, surface, RASTER_COPY, noEarth);
    EXPECT_EQ(surface.segments.size(), EARTH.size());
}

TEST_F(JointSymbol, GhostShowsEarthButNoNumber)
{
    CNode ghost = joint(3, 1);
    ghost.displayState = DISPLAY_GHOST;
    drawAsRecorded(ghost, surface, RASTER_XOR, 20);
    EXPECT_EQ(surface.segments.size(), EARTH.size());
    EXPECT_EQ(surface.segments[0].rasterMode, RASTER_XOR);
    EXPECT_TRUE(surface.texts.empty());
}

}  // namespace
}  // namespace kirvolt::testing
