#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "analysis/drawn_numbers_reading.h"
#include "analysis/nodal_solver.h"
#include "drawing/circuit_painter.h"
#include "drawing/numbers_painter.h"
#include "drawing/voltage_colours.h"
#include "support/recording_surface.h"
#include "support/sample_circuits.h"

namespace kirvolt {
namespace {

using testing::RecordingSurface;

double grey(Colour c) { return 0.299 * redOf(c) + 0.587 * greenOf(c) + 0.114 * blueOf(c); }

// Printed in grey, every step up the scale is a step lighter, and the top still shows on white.
TEST(VoltageColours, TheScaleGrowsLighterAllTheWayAndShowsOnWhitePaper)
{
    double last = -1;
    for (int k = 0; k <= 50; ++k) {
        const double now = grey(voltageColour(k / 50.0));
        EXPECT_GT(now, last + 1.0) << k;
        last = now;
    }
    EXPECT_GT(last - grey(voltageColour(0)), 150.0);
    EXPECT_LT(last, 215.0);
    EXPECT_EQ(voltageColour(-3), voltageColour(0));
    EXPECT_EQ(voltageFraction(5, 5, 5), 0.5);
    EXPECT_EQ(voltageFraction(-4, -12, 0), 8.0 / 12.0);
}

class NumbersPainter : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::buildVoltageDivider(doc);
        ASSERT_TRUE(runNodalAnalysis(doc));
        numbers = readDrawnNumbers(doc);
    }

    RecordingSurface paint() const
    {
        RecordingSurface surface;
        PaintOptions options = documentPaintOptions(doc);
        options.numbers = &numbers;
        options.shown = {true, true};
        PaintView(doc, surface, options);
        return surface;
    }

    const CComponent& named(const std::string& label) const
    {
        return **std::find_if(doc.components.begin(), doc.components.end(), [&](const auto& c) { return c->label == label; });
    }

    CKirvoltDoc doc;
    DrawnNumbers numbers;
};

// E1 = 12 V with its + side the datum drives 0.4 A through R1 = 10 Ω and R2 = 20 Ω: nodes at
// 0, -4 and -12 V.
TEST_F(NumbersPainter, WiresTakeTheirNodesTintsAndEveryElementItsCurrentArrow)
{
    const RecordingSurface surface = paint();
    const int tint = std::max(4, doc.gridSize / 3);
    int wires = 0;
    for (const auto& c : doc.components) {
        if (!isWireKind(c->kindCode)) {
            continue;
        }
        ++wires;
        const Pen expected{tint, voltageColour(voltageFraction(c->startVoltage, -12, 0))};
        EXPECT_TRUE(std::any_of(surface.segments.begin(), surface.segments.end(), [&](const testing::Segment& s) {
            return s.pen == expected && s.from == c->startPoint;
        })) << c->label;
    }
    EXPECT_EQ(wires, 3);
    const auto texts = [&](const std::string& text, Colour colour) {
        return std::count_if(surface.texts.begin(), surface.texts.end(),
                             [&](const testing::Text& t) { return t.text == text && t.colour == colour; });
    };
    EXPECT_EQ(texts("0.40 A", COLOUR_HIGHLIGHT), 3);
    EXPECT_EQ(texts("Node voltage", COLOUR_BLACK), 1);
    EXPECT_EQ(texts("0.00 V", COLOUR_BLACK), 1);
    EXPECT_EQ(texts("-12.00 V", COLOUR_BLACK), 1);
    EXPECT_EQ(currentArrowDirection(named("R1"), numbers.of(named("R1"))->current), ORIENT_EAST);
    EXPECT_EQ(currentArrowDirection(named("R2"), numbers.of(named("R2"))->current), ORIENT_SOUTH);
    EXPECT_EQ(currentArrowDirection(named("E1"), numbers.of(named("E1"))->current), ORIENT_NORTH);
}

// Once the circuit has changed the numbers are of an earlier circuit: no tints, no scale, and
// the arrows in grey.
TEST_F(NumbersPainter, AChangedCircuitShowsItsLastCurrentsGreyed)
{
    doc.noteEdit();
    const RecordingSurface surface = paint();
    const int tint = std::max(4, doc.gridSize / 3);
    EXPECT_FALSE(std::any_of(surface.segments.begin(), surface.segments.end(),
                             [&](const testing::Segment& s) { return s.pen.width == tint; }));
    EXPECT_EQ(std::count_if(surface.texts.begin(), surface.texts.end(),
                            [](const testing::Text& t) { return t.text == "0.40 A" && t.colour == rgb(170, 170, 170); }),
              3);
    EXPECT_TRUE(std::none_of(surface.texts.begin(), surface.texts.end(),
                             [](const testing::Text& t) { return t.text == "Node voltage"; }));
}

TEST_F(NumbersPainter, TooltipsTellNameValueVoltagesCurrentAndPower)
{
    EXPECT_EQ(numbersTooltip(doc, named("R2"), numbers),
              "R2: 20 Ω\nNode 2: -4.00 V; node 3: -12.00 V\np.d. 8.00 V; current 0.40 A\nPower 3.20 W (absorbed)");
    EXPECT_EQ(numbersTooltip(doc, named("E1"), numbers),
              "E1: 12 V\nNode 1: 0.00 V; node 3: -12.00 V\np.d. 12.00 V; current -0.40 A\nPower -4.80 W (delivered)");
    doc.noteEdit();
    EXPECT_EQ(numbersTooltip(doc, named("R2"), DrawnNumbers{}), "R2: 20 Ω");
    EXPECT_NE(numbersTooltip(doc, named("R2"), numbers).find("\nThe circuit has changed since these numbers."),
              std::string::npos);
}

}  // namespace
}  // namespace kirvolt
