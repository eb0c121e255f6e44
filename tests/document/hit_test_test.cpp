#include <gtest/gtest.h>

#include "document/hit_test.h"
#include "support/circuit_builder.h"

namespace kirvolt {
namespace {

TEST(HitTest, ComponentRectangleIncludesTopLeftButNotBottomRight)
{
    CKirvoltDoc doc;
    testing::CircuitBuilder build(doc);
    CComponent& r = build.resistor(10, 5, ORIENT_EAST, 1);  // at (200, 100), box ±20
    EXPECT_EQ(HitTest(doc, {180, 80}), &r);
    EXPECT_EQ(HitTest(doc, {219, 119}), &r);
    EXPECT_EQ(HitTest(doc, {220, 100}), nullptr);
    EXPECT_EQ(HitTest(doc, {200, 120}), nullptr);
}

TEST(HitTest, VerticalWiresAreEasierToHitThanHorizontalOnes)
{
    CKirvoltDoc doc;  // c = 20: c/2 = 10 across a vertical wire, c/10 = 2 across a horizontal one
    testing::CircuitBuilder build(doc);
    CComponent& vertical = build.wire(5, 5, 5, 10);     // x = 100, y 100..200
    CComponent& horizontal = build.wire(10, 20, 15, 20);  // y = 400, x 200..300
    EXPECT_EQ(HitTest(doc, {91, 150}), &vertical);
    EXPECT_EQ(HitTest(doc, {109, 150}), &vertical);
    EXPECT_EQ(HitTest(doc, {110, 150}), nullptr);
    EXPECT_EQ(vertical.hitRect, (Rect{90, 100, 110, 200}));
    EXPECT_EQ(HitTest(doc, {250, 398}), &horizontal);
    EXPECT_EQ(HitTest(doc, {250, 401}), &horizontal);
    EXPECT_EQ(HitTest(doc, {250, 402}), nullptr);
    EXPECT_EQ(HitTest(doc, {250, 396}), nullptr);
}

TEST(HitTest, SlantedWireWithinFiveUnitsBetweenItsEnds)
{
    CKirvoltDoc doc;
    testing::CircuitBuilder build(doc);
    CComponent& slanted = build.wire(0, 0, 10, 10);  // (0,0) to (200,200)
    EXPECT_EQ(HitTest(doc, {100, 103}), &slanted);
    EXPECT_EQ(HitTest(doc, {100, 108}), nullptr);
    EXPECT_EQ(HitTest(doc, {-3, -3}), nullptr);  // on the line, but before its start
}

TEST(HitTest, FirstElementInListOrderWins)
{
    CKirvoltDoc doc;
    testing::CircuitBuilder build(doc);
    CComponent& joint = build.joint(10, 5);
    build.resistor(10, 5, ORIENT_EAST, 1);
    EXPECT_EQ(HitTest(doc, {200, 100}), &joint);
    EXPECT_EQ(HitTest(doc, {1000, 1000}), nullptr);
}

TEST(HitTest, JointsUnderAWireEnd)
{
    CKirvoltDoc doc;
    testing::CircuitBuilder build(doc);
    CComponent& wire = build.wire(5, 5, 10, 5);  // (100,100) to (200,100)
    CComponent& joint = build.joint(5, 5);
    EXPECT_EQ(HitTest(doc, {100, 100}), &wire);
    EXPECT_EQ(jointAt(doc, {100, 100}), &joint);
    EXPECT_EQ(HitTestForDialog(doc, {100, 100}), &joint);
    EXPECT_EQ(HitTestForDialog(doc, {150, 100}), &wire);  // no joint there: the wire stays
    EXPECT_EQ(jointAt(doc, {150, 100}), nullptr);
}

TEST(HitTest, TurningWireByEitherLeg)
{
    CKirvoltDoc doc;
    CComponent& turning = *doc.AddComponent(
        std::make_unique<CWire>(1, Point{40, 40}, Point{100, 80}, COLOUR_WIRE, KIND_WIRE_TURN_HV, 20, STYLE_EUROPEAN));
    EXPECT_EQ(HitTest(doc, {70, 41}), &turning);   // first leg, y = 40
    EXPECT_EQ(HitTest(doc, {101, 60}), &turning);  // second leg, x = 100
    EXPECT_EQ(HitTest(doc, {70, 60}), nullptr);
}

}  // namespace
}  // namespace kirvolt
