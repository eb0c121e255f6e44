#include "editor_fixture.h"
#include "support/circuit_builder.h"

namespace kirvolt {
namespace {

using testing::EditorTest;

TEST_F(EditorTest, EditingASourceSetsItsValueAndItsOwnPdOrCurrent)
{
    testing::CircuitBuilder build(doc);
    CComponent& source = build.voltageSource(10, 5, ORIENT_EAST, 5);
    CComponent& supply = build.currentSource(20, 5, ORIENT_EAST, 1);
    CComponent& resistor = build.resistor(30, 5, ORIENT_EAST, 10);
    doc.SetModifiedFlag(false);

    dialogs.componentAnswer = NameAndValue{"Vin", 12};
    place(MODE_EDIT, at(10, 5));
    dialogs.componentAnswer = NameAndValue{"Is", 0.25};
    click(at(20, 5));
    dialogs.componentAnswer = NameAndValue{"", 470};
    click(at(30, 5));

    ASSERT_EQ(dialogs.edited.size(), 3u);
    EXPECT_EQ(dialogs.edited[0].name, "E1");
    EXPECT_EQ(dialogs.edited[0].value, 5);
    EXPECT_EQ(dialogs.units, (std::vector<std::string>{"V", "A", "ohm"}));
    EXPECT_EQ(source.label, "Vin");
    EXPECT_EQ(source.name, "E1");
    EXPECT_EQ(source.value, 12);
    EXPECT_EQ(source.pd, 12);
    EXPECT_EQ(supply.value, 0.25);
    EXPECT_EQ(supply.current, 0.25);
    EXPECT_EQ(resistor.label, "");  // an empty name is accepted
    EXPECT_EQ(resistor.value, 470);
    EXPECT_EQ(resistor.current, 0);
    EXPECT_EQ(resistor.pd, 0);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(EditorTest, ACancelledOrUnchangedEditLeavesTheDocumentAlone)
{
    testing::CircuitBuilder build(doc);
    CComponent& resistor = build.resistor(10, 5, ORIENT_EAST, 10);
    doc.SetModifiedFlag(false);
    place(MODE_EDIT, at(10, 5));
    EXPECT_EQ(resistor.value, 10);
    dialogs.componentAnswer = NameAndValue{"R1", 10};
    click(at(10, 5));
    EXPECT_EQ(dialogs.edited.size(), 2u);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(EditorTest, EditModeIgnoresStraightWiresWithoutRedrawing)
{
    testing::CircuitBuilder build(doc);
    build.wire(2, 2, 2, 8);
    doc.mode = MODE_EDIT;
    editor.leftRelease(at(2, 5));
    EXPECT_TRUE(dialogs.edited.empty());
    EXPECT_TRUE(dialogs.renamed.empty());
    EXPECT_EQ(port.redraws, 0);
}

TEST_F(EditorTest, RenamingAJointRenamesEveryJointOfTheSameLabel)
{
    testing::CircuitBuilder build(doc);
    build.joint(2, 2).label = "3";
    build.joint(10, 2).label = "4";
    build.joint(30, 9).label = "3";
    build.joint(12, 12).label = "31";
    doc.SetModifiedFlag(false);
    dialogs.nodeAnswer = "a";
    place(MODE_EDIT, at(30, 9));
    EXPECT_EQ(dialogs.renamed, std::vector<std::string>{"3"});
    std::vector<std::string> labels;
    for (const auto& element : doc.components) {
        labels.push_back(element->label);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"a", "4", "a", "31"}));
    EXPECT_TRUE(doc.IsModified());

    doc.SetModifiedFlag(false);
    dialogs.nodeAnswer.reset();
    click(at(2, 2));
    EXPECT_EQ(doc.components[0]->label, "a");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(EditorTest, InformationShowsTheRecordAndItsNodeNames)
{
    testing::CircuitBuilder build(doc);
    CComponent& left = build.joint(7, 5);
    left.startNode = left.finishNode = 2;
    left.label = "in";
    left.startVoltage = 7.5;
    CComponent& resistor = build.resistor(10, 5, ORIENT_EAST, 150);
    resistor.startNode = 2;
    resistor.finishNode = 5;
    resistor.startVoltage = 7.5;
    resistor.finishVoltage = 1.5;
    resistor.pd = 6;
    resistor.current = 0.04;
    build.wire(2, 2, 2, 8);

    place(MODE_INFO, at(10, 5));
    click(at(7, 5));
    click(at(2, 5));
    ASSERT_EQ(dialogs.componentInfo.size(), 1u);
    const ComponentProperties& shown = dialogs.componentInfo[0];
    EXPECT_EQ(shown.name, "R1");
    EXPECT_EQ(shown.value, 150);
    EXPECT_EQ(shown.unit, "ohm");
    EXPECT_EQ(shown.startNodeName, "in");
    EXPECT_EQ(shown.finishNodeName, "error");
    EXPECT_EQ(shown.startVoltage, 7.5);
    EXPECT_EQ(shown.finishVoltage, 1.5);
    EXPECT_EQ(shown.current, 0.04);
    EXPECT_EQ(shown.pd, 6);
    ASSERT_EQ(dialogs.nodeInfo.size(), 1u);
    EXPECT_EQ(dialogs.nodeInfo[0].name, "in");
    EXPECT_EQ(dialogs.nodeInfo[0].voltage, 7.5);
    EXPECT_EQ(port.redraws, 3);
}

}  // namespace
}  // namespace kirvolt
