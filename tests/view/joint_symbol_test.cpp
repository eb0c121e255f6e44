#include <gtest/gtest.h>

#include <vector>

#include "document/component.h"
#include "document/process_state.h"
#include "support/recording_surface.h"

namespace kirvolt::testing {
namespace {

class JointSymbol : public ::testing::Test {
protected:
    void SetUp() override { resetProcessState(); }

    CNode joint(int number, int datumMark = 0) const
    {
        CNode node({200, 100}, number, DISPLAY_PLACED, 20);
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
    joint(7).Draw(surface, RASTER_COPY, 20);
    EXPECT_EQ(surface.ellipses, (std::vector<Shape>{{{198, 98, 202, 102}, {2, COLOUR_JOINT}, RASTER_COPY}}));
    EXPECT_EQ(surface.arcs, (std::vector<Shape>{{{204, 77, 223, 95}, {1, COLOUR_JOINT}, RASTER_COPY}}));
    EXPECT_EQ(surface.texts, (std::vector<Text>{{{210, 80}, "7", Font{"Arial", 13, 400, 0}}}));
    EXPECT_TRUE(surface.segments.empty());
    EXPECT_EQ(surface.pen, Pen{});
    EXPECT_EQ(surface.font, Font{});
}

TEST_F(JointSymbol, LongNumbersShowTwoCharactersFurtherLeft)
{
    joint(12).Draw(surface, RASTER_COPY, 20);
    joint(123).Draw(surface, RASTER_COPY, 20);
    ASSERT_EQ(surface.texts.size(), 2u);
    EXPECT_EQ(surface.texts[0].text, "12");
    EXPECT_EQ(surface.texts[0].at, (Point{207, 80}));
    EXPECT_EQ(surface.texts[1].text, "12");
}

TEST_F(JointSymbol, NumbersHiddenWhileSwitchedOff)
{
    processState().showNodeNumbers = 0;
    joint(7).Draw(surface, RASTER_COPY, 20);
    EXPECT_TRUE(surface.texts.empty());
    EXPECT_TRUE(surface.arcs.empty());
    EXPECT_EQ(surface.ellipses.size(), 1u);
}

TEST_F(JointSymbol, EarthOnlyAtTheFirstDatumJointOfAPaint)
{
    joint(1, 0).Draw(surface, RASTER_COPY, 20);
    EXPECT_TRUE(surface.segments.empty());
    joint(1, 1).Draw(surface, RASTER_COPY, 20);
    EXPECT_EQ(surface.segments, EARTH);
    EXPECT_EQ(processState().datumSymbolDrawn, 1);
    joint(1, 1).Draw(surface, RASTER_COPY, 20);
    EXPECT_EQ(surface.segments.size(), EARTH.size());

    processState().datumSymbolDrawn = 0;
    joint(1, 1).Draw(surface, RASTER_COPY, 20);
    EXPECT_EQ(surface.segments.size(), 2 * EARTH.size());
}

TEST_F(JointSymbol, GhostShowsEarthButNoNumber)
{
    CNode ghost = joint(3, 1);
    ghost.displayState = DISPLAY_GHOST;
    ghost.Draw(surface, RASTER_XOR, 20);
    EXPECT_EQ(surface.segments.size(), EARTH.size());
    EXPECT_EQ(surface.segments[0].rasterMode, RASTER_XOR);
    EXPECT_TRUE(surface.texts.empty());
}

}  // namespace
}  // namespace kirvolt::testing
