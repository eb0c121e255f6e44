#include <gtest/gtest.h>

#include "document/circuit_document.h"
#include "support/circuit_builder.h"

namespace kirvolt {
namespace {

TEST(CircuitDocument, NewDocumentHasItsInitialSettings)
{
    const CKirvoltDoc doc;
    EXPECT_EQ(doc.gridSize, 20);
    EXPECT_EQ(doc.gridStyle, GRID_DOTS);
    EXPECT_EQ(doc.mode, MODE_SELECT);
    EXPECT_EQ(doc.orientation, ORIENT_EAST);
    for (int counter : {doc.ammeterCount, doc.voltageSourceCount, doc.currentSourceCount, doc.jointCount,
                        doc.resistorCount, doc.voltmeterCount, doc.wireCount, doc.spareCount}) {
        EXPECT_EQ(counter, 1);
    }
    EXPECT_EQ(doc.printScale, 2);
    EXPECT_EQ(doc.documentStyle, STYLE_EUROPEAN);
    EXPECT_EQ(doc.formatMark, 1);
    EXPECT_TRUE(doc.components.empty());
    EXPECT_FALSE(doc.IsModified());
}

TEST(CircuitDocument, AddingClearsNodesValidAndRemovingMarksModified)
{
    CKirvoltDoc doc;
    doc.nodesValid = 1;
    testing::CircuitBuilder build(doc);
    CComponent& r = build.resistor(10, 10, ORIENT_EAST, 5);
    EXPECT_EQ(doc.nodesValid, 0);
    EXPECT_TRUE(doc.IsModified());
    doc.SetModifiedFlag(false);
    doc.RemoveComponent(&r);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.components.empty());
}

TEST(CircuitDocument, RescaleRecomputesFromGridCoordinates)
{
    CKirvoltDoc doc;
    testing::CircuitBuilder build(doc);
    CComponent& joint = build.joint(3, 4);
    CComponent& r = build.resistor(10, 5, ORIENT_EAST, 5);
    CComponent& w = build.wire(1, 1, 1, 6);
    EXPECT_EQ(joint.hitRect, (Rect{50, 70, 70, 90}));
    doc.gridSize = 40;
    doc.display().resistorStyle = STYLE_US;
    doc.rescaleToGrid();
    // A joint's rectangle becomes ±g at a rescale, not ±g/2 as at construction.
    EXPECT_EQ(joint.hitRect, (Rect{80, 120, 160, 200}));
    EXPECT_EQ(r.position, (Point{400, 200}));
    EXPECT_EQ(r.hitRect, (Rect{360, 160, 440, 240}));
    // Two-terminal components keep their construction-time terminal points.
    EXPECT_EQ(r.startPoint, (Point{140, 100}));
    EXPECT_EQ(w.finishPoint, (Point{40, 240}));
    EXPECT_EQ(r.resistorStyle, STYLE_US);
}

}  // namespace
}  // namespace kirvolt
