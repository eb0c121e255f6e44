#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "analysis/branch_tables.h"
#include "editing/command_ids.h"
#include "editing/document_commands.h"
#include "support/circuit_builder.h"
#include "support/recording_port.h"

namespace kirvolt {
namespace {

// Ids of the group that are checked now.
std::vector<int> checkedAmong(const CKirvoltDoc& doc, const std::vector<int>& group)
{
    std::vector<int> checked;
    std::ranges::copy_if(group, std::back_inserter(checked),
                         [&doc](int id) { return commandChecked(doc, id).value_or(false); });
    return checked;
}

class DocumentCommands : public ::testing::Test {
protected:
    DocumentCommands()
    {
        doc.setPort(&port);
        doc.shareDisplaySettings(display);
    }

    // A resistor whose logical position is spoiled, so that a rescale shows itself.
    CComponent& spoiledResistor()
    {
        CComponent& r = testing::CircuitBuilder(doc).resistor(10, 5, ORIENT_EAST, 100);
        r.position = {-1, -1};
        return r;
    }

    testing::RecordingPort port;
    DisplaySettings display;  // shared, as the application shares its settings among circuits
    CKirvoltDoc doc;
};

struct ZoomStep {
    std::uint16_t from;
    std::uint16_t in;
    std::uint16_t out;
};

TEST_F(DocumentCommands, ZoomStepsThroughTheElevenLevels)
{
    const ZoomStep steps[] = {{10, 15, 10}, {15, 20, 10}, {20, 30, 15}, {30, 40, 20},  {40, 50, 30},  {50, 60, 40},
                              {60, 70, 50}, {70, 80, 60}, {80, 90, 70}, {90, 100, 80}, {100, 100, 90}};
    for (const ZoomStep& step : steps) {
        doc.gridSize = step.from;
        runDocumentCommand(doc, ID_ZOOM_IN);
        EXPECT_EQ(doc.gridSize, step.in) << "in from " << step.from;
        doc.gridSize = step.from;
        runDocumentCommand(doc, ID_ZOOM_OUT);
        EXPECT_EQ(doc.gridSize, step.out) << "out from " << step.from;
    }
}

TEST_F(DocumentCommands, ZoomingPastTheEndsNeitherRescalesNorRepaints)
{
    const CComponent& r = spoiledResistor();
    for (const auto& [size, command] : {std::pair{100, ID_ZOOM_IN}, std::pair{10, ID_ZOOM_OUT}}) {
        doc.gridSize = static_cast<std::uint16_t>(size);
        runDocumentCommand(doc, command);
        EXPECT_EQ(doc.gridSize, size);
    }
    EXPECT_EQ(r.position, (Point{-1, -1}));
    EXPECT_EQ(port.redraws, 0);
}

TEST_F(DocumentCommands, ZoomFromAnOffLevelSizeKeepsItButRescalesAndRepaints)
{
    for (const int command : {ID_ZOOM_IN, ID_ZOOM_OUT}) {
        CComponent& r = spoiledResistor();
        doc.gridSize = 25;
        runDocumentCommand(doc, command);
        EXPECT_EQ(doc.gridSize, 25);
        EXPECT_EQ(r.position, (Point{250, 125}));
    }
    EXPECT_EQ(port.redraws, 2);
}

TEST_F(DocumentCommands, ZoomChangeRescalesTheElements)
{
    const CComponent& r = spoiledResistor();
    runDocumentCommand(doc, ID_ZOOM_IN);
    EXPECT_EQ(r.position, (Point{300, 150}));
    EXPECT_EQ(port.redraws, 1);
}

TEST_F(DocumentCommands, EachZoomLevelCommandSetsAndChecksOnlyItsLevel)
{
    std::vector<int> levels;
    for (int id = ID_ZOOM_50; id <= ID_ZOOM_500; ++id) {
        levels.push_back(id);
    }
    const std::uint16_t expected[] = {10, 15, 20, 30, 40, 50, 60, 70, 80, 90, 100};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        ASSERT_TRUE(runDocumentCommand(doc, levels[i]));
        EXPECT_EQ(doc.gridSize, expected[i]);
        EXPECT_EQ(checkedAmong(doc, levels), std::vector<int>{levels[i]});
    }
    EXPECT_EQ(port.redraws, 11);
}

struct SettingCase {
    int command;
    int value;
};

// Runs every command of a group and checks that it sets its value and alone shows a check mark.
void expectGroup(CKirvoltDoc& doc, const std::int32_t& field, const std::vector<SettingCase>& cases,
                 const std::vector<int>& group)
{
    for (const SettingCase& c : cases) {
        ASSERT_TRUE(runDocumentCommand(doc, c.command)) << c.command;
        EXPECT_EQ(field, c.value) << c.command;
        EXPECT_EQ(checkedAmong(doc, group), std::vector<int>{c.command}) << c.command;
    }
}

TEST_F(DocumentCommands, ModeCommandsSetTheModeAndCheckThemselves)
{
    const std::vector<SettingCase> cases = {
        {ID_DRAW_RESISTOR, 101}, {ID_DRAW_VOLTAGE_SOURCE, 102}, {ID_DRAW_CURRENT_SOURCE, 103},
        {ID_DRAW_AMMETER, 105},  {ID_DRAW_VOLTMETER, 104},
        {ID_DRAW_WIRE, 106},     {ID_DRAW_JOINT, 109},          {ID_EDIT_INFO, 200},
        {ID_EDIT_DELETE, 201},   {ID_EDIT_MOVE, 202},           {ID_EDIT_VALUE, 210},
        {ID_DRAW_TURNING_WIRE, 107}, {ID_DRAW_TURNED_WIRE, 108}, {ID_DRAW_SELECT, 100},
    };
    std::vector<int> group;
    for (const SettingCase& c : cases) {
        group.push_back(c.command);
    }
    group.push_back(ID_NODES_DATUM);
    group.push_back(ID_TUTOR_NODAL);
    expectGroup(doc, doc.mode, cases, group);
    EXPECT_EQ(port.redraws, 0);
}

TEST_F(DocumentCommands, NameModeHasNoCheckMark)
{
    runDocumentCommand(doc, ID_EDIT_NAME);
    EXPECT_EQ(doc.mode, MODE_NAME);
    EXPECT_FALSE(commandChecked(doc, ID_EDIT_NAME).has_value());
}

TEST_F(DocumentCommands, OrientationCommandsSetTheOrientationAndCheckThemselves)
{
    const std::vector<SettingCase> cases = {
        {ID_DRAW_NORTH, 1}, {ID_DRAW_WEST, 2}, {ID_DRAW_SOUTH, 3}, {ID_DRAW_EAST, 0}};
    expectGroup(doc, doc.orientation, cases, {ID_DRAW_EAST, ID_DRAW_NORTH, ID_DRAW_WEST, ID_DRAW_SOUTH});
}

TEST_F(DocumentCommands, GridCommandsSetTheStyleCheckThemselvesAndRepaint)
{
    const std::vector<SettingCase> cases = {
        {ID_VIEW_NO_GRID, 400}, {ID_VIEW_SQUARE_GRID, 402}, {ID_VIEW_DOT_GRID, 401}};
    expectGroup(doc, doc.gridStyle, cases, {ID_VIEW_NO_GRID, ID_VIEW_DOT_GRID, ID_VIEW_SQUARE_GRID});
    EXPECT_EQ(port.redraws, 3);
}

TEST_F(DocumentCommands, ResistorStyleIsSharedButRescalesOnlyTheActiveDocument)
{
    CKirvoltDoc other;
    other.shareDisplaySettings(display);
    CComponent& otherResistor = testing::CircuitBuilder(other).resistor(3, 3, ORIENT_EAST, 10);
    const CComponent& r = spoiledResistor();

    runDocumentCommand(doc, ID_VIEW_US_STYLE);
    EXPECT_EQ(doc.display().resistorStyle, STYLE_US);
    EXPECT_EQ(r.resistorStyle, STYLE_US);
    EXPECT_EQ(r.position, (Point{200, 100}));
    EXPECT_EQ(otherResistor.resistorStyle, STYLE_EUROPEAN);
    for (const CKirvoltDoc* shown : {&doc, &other}) {
        EXPECT_EQ(commandChecked(*shown, ID_VIEW_US_STYLE), true);
        EXPECT_EQ(commandChecked(*shown, ID_VIEW_EUROPEAN_STYLE), false);
    }

    runDocumentCommand(doc, ID_VIEW_EUROPEAN_STYLE);
    EXPECT_EQ(r.resistorStyle, STYLE_EUROPEAN);
    EXPECT_EQ(commandChecked(other, ID_VIEW_EUROPEAN_STYLE), true);
    EXPECT_EQ(port.redraws, 2);
}

TEST_F(DocumentCommands, RedrawRescalesAndRepaints)
{
    const CComponent& r = spoiledResistor();
    runDocumentCommand(doc, ID_VIEW_REDRAW);
    EXPECT_EQ(r.position, (Point{200, 100}));
    EXPECT_EQ(port.redraws, 1);
}

TEST_F(DocumentCommands, NodeNumbersToggleAndDatumModeTurnsThemOn)
{
    runDocumentCommand(doc, ID_NODES_SHOW);
    EXPECT_EQ(doc.display().showNodeNumbers, 0);
    runDocumentCommand(doc, ID_NODES_SHOW);
    EXPECT_EQ(doc.display().showNodeNumbers, 1);
    runDocumentCommand(doc, ID_NODES_SHOW);
    runDocumentCommand(doc, ID_NODES_DATUM);
    EXPECT_EQ(doc.display().showNodeNumbers, 1);
    EXPECT_EQ(doc.mode, setDatumMode);
    EXPECT_EQ(commandChecked(doc, ID_NODES_DATUM), true);
    EXPECT_FALSE(commandChecked(doc, ID_NODES_SHOW).has_value());
}

TEST_F(DocumentCommands, DatumModeBuildsTheNodesOnlyWhenTheyAreStale)
{
    testing::CircuitBuilder(doc).resistor(10, 5, ORIENT_EAST, 100);
    doc.nodesValid = 1;
    runDocumentCommand(doc, ID_NODES_DATUM);
    EXPECT_EQ(doc.nodeCount, 0);

    doc.nodesValid = 0;
    runDocumentCommand(doc, ID_NODES_DATUM);
    EXPECT_EQ(doc.nodeCount, 2);
    EXPECT_EQ(doc.nodesValid, 1);
    EXPECT_EQ(std::ranges::count(doc.components, KIND_JOINT, [](const auto& c) { return c->kindCode; }), 2);
}

TEST_F(DocumentCommands, AssignNodeNumbersBuildsTheNodesAndRepaints)
{
    testing::CircuitBuilder build(doc);
    build.resistor(10, 5, ORIENT_EAST, 100);
    build.wire(13, 5, 13, 9);
    runDocumentCommand(doc, ID_NODES_ASSIGN);
    EXPECT_EQ(doc.nodeCount, 2);
    EXPECT_EQ(doc.nodesValid, 1);
    EXPECT_EQ(port.redraws, 1);
}

TEST_F(DocumentCommands, ShowEquationTogglesThePanelAndFillsTheTables)
{
    testing::CircuitBuilder build(doc);
    build.voltageSource(5, 5, ORIENT_NORTH, 12);
    build.resistor(10, 5, ORIENT_EAST, 100);
    runDocumentCommand(doc, ID_NODES_ASSIGN);

    runDocumentCommand(doc, ID_SHOW_EQUATION);
    EXPECT_EQ(doc.showEquations, 1);
    EXPECT_EQ(doc.mode, nodeEquationMode);
    EXPECT_EQ(doc.labels, (std::vector<std::string>{"", "E1", "R1"}));
    EXPECT_EQ(doc.branchCount, 2);
    ASSERT_EQ(doc.nodeBranches.size(), 5U);
    EXPECT_EQ(incidenceAt(doc, doc.branchStartNodes[2], 2), 1);
    EXPECT_EQ(incidenceAt(doc, doc.branchFinishNodes[2], 2), -1);

    runDocumentCommand(doc, ID_SHOW_EQUATION);
    EXPECT_EQ(doc.showEquations, 0);
    EXPECT_EQ(doc.mode, nodeEquationMode);
    EXPECT_EQ(port.redraws, 3);
}

// The node clicks that follow read the tables, so they are filled from the drawing as it is.
TEST_F(DocumentCommands, UsingNodalAnalysisNumbersTheCircuitAsItIsDrawn)
{
    testing::CircuitBuilder build(doc);
    build.resistor(10, 5, ORIENT_EAST, 47);
    build.currentSource(5, 5, ORIENT_NORTH, 2);
    runDocumentCommand(doc, ID_EQUATIONS_NODAL);
    EXPECT_EQ(doc.mode, nodeEquationMode);
    EXPECT_EQ(doc.nodesValid, 1);
    EXPECT_EQ(doc.labels, (std::vector<std::string>{"", "R1", "J1"}));
    EXPECT_EQ(doc.valueTexts[1], "47.0");
    EXPECT_EQ(doc.branchCount, 2);
    EXPECT_EQ(doc.branchKinds, (std::vector<int>{0, KIND_RESISTOR, KIND_CURRENT_SOURCE}));
    EXPECT_EQ(doc.nodeBranches.size(), static_cast<std::size_t>(doc.nodeCount) + 1);
}

TEST_F(DocumentCommands, NodeVoltageMethodRunsTheAnalysis)
{
    runDocumentCommand(doc, ID_ANALYSE_NODE_VOLTAGE);
    EXPECT_EQ(port.messages, std::vector<std::string>{"Create your circuit first."});
    EXPECT_EQ(doc.analysisFailed, 1);

    // A 12 V source across two 100 ohm resistors in series.
    testing::CircuitBuilder build(doc);
    build.voltageSource(5, 8, ORIENT_NORTH, 12);
    CComponent& upper = build.resistor(8, 5, ORIENT_EAST, 100);
    CComponent& lower = build.resistor(8, 11, ORIENT_EAST, 100);
    build.wire(11, 5, 11, 11);
    doc.analysisFailed = 0;
    runDocumentCommand(doc, ID_ANALYSE_NODE_VOLTAGE);
    EXPECT_EQ(doc.analysisFailed, 0);
    EXPECT_EQ(doc.mode, nodeEquationMode);
    EXPECT_DOUBLE_EQ(upper.pd, 6.0);
    EXPECT_DOUBLE_EQ(lower.pd, 6.0);
    EXPECT_DOUBLE_EQ(upper.current, 0.06);
}

TEST_F(DocumentCommands, NoticeCommandsOnlyShowTheirNotice)
{
    const std::pair<int, const char*> notices[] = {
        {ID_EDIT_GROUP, "Will be ready in the next version."},
    };
    for (const auto& [command, text] : notices) {
        port.messages.clear();
        ASSERT_TRUE(runDocumentCommand(doc, command));
        EXPECT_EQ(port.messages, std::vector<std::string>{text}) << command;
    }
    const CKirvoltDoc fresh;
    EXPECT_EQ(doc.mode, fresh.mode);
    EXPECT_EQ(doc.orientation, fresh.orientation);
    EXPECT_EQ(doc.gridSize, fresh.gridSize);
    EXPECT_EQ(doc.gridStyle, fresh.gridStyle);
    EXPECT_EQ(port.redraws, 0);
}

TEST_F(DocumentCommands, DialogAndTutorCommandsAreLeftToTheApplication)
{
    for (const int command :
         {ID_TUTOR_NODAL, ID_PRINT_SCALE, ID_TUTOR_MODIFIED_NODAL, ID_TUTOR_LOOP_CURRENT, ID_ZOOM_SCALE, ID_TUTOR_CHORD_CURRENT}) {
        EXPECT_FALSE(runDocumentCommand(doc, command)) << command;
    }
    EXPECT_EQ(commandChecked(doc, ID_TUTOR_NODAL), false);
    doc.mode = nodeEquationMode;
    EXPECT_EQ(commandChecked(doc, ID_TUTOR_NODAL), true);
}

}  // namespace
}  // namespace kirvolt
