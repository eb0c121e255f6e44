#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "analysis/macro_node.h"
#include "analysis/nodal_solver.h"
#include "document/circuit_file.h"
#include "editing/command_ids.h"
#include "editing/document_commands.h"
#include "equations/all_equations.h"
#include "equations/node_equation_display.h"
#include "support/sample_circuits.h"
#include "support/scripted_port.h"

namespace kirvolt {
namespace {

using testing::ScriptedPort;

std::vector<Point> jointPositions(const CKirvoltDoc& doc)
{
    std::vector<Point> points;
    for (const auto& c : doc.components) {
        if (c->kindCode == KIND_JOINT) {
            points.push_back(c->position);
        }
    }
    return points;
}

// Clicks every joint and a point beside the circuit; returns the dialogs shown.
std::vector<NodeEquationTexts> clickEveryJoint(CKirvoltDoc& doc, ScriptedPort& port)
{
    for (Point at : jointPositions(doc)) {
        presentNodeEquations(port, showNodeEquations(doc, at));
    }
    presentNodeEquations(port, showNodeEquations(doc, {4000, 4000}));
    return port.dialogs();
}

void reopen(CKirvoltDoc& original, CKirvoltDoc& reopened)
{
    ASSERT_TRUE(readCircuitBytes(circuitBytes(original), reopened).ok);
}

// Only the counts come back from a file; the tables are filled by the commands.
TEST(EquationsAfterReload, UsingNodalAnalysisOnAReopenedCircuitShowsTheSameEquations)
{
    CKirvoltDoc analysed;
    testing::buildVoltageDivider(analysed);
    ASSERT_TRUE(runNodalAnalysis(analysed));
    ScriptedPort firstPort;
    analysed.setPort(&firstPort);
    const std::vector<NodeEquationTexts> expected = clickEveryJoint(analysed, firstPort);
    ASSERT_EQ(expected.size(), 4u);

    CKirvoltDoc doc;
    reopen(analysed, doc);
    ScriptedPort port;
    doc.setPort(&port);
    ASSERT_EQ(doc.branchCount, 3);
    runDocumentCommand(doc, ID_EQUATIONS_NODAL);
    const std::vector<NodeEquationTexts> shown = clickEveryJoint(doc, port);
    ASSERT_EQ(shown.size(), expected.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].lines, expected[i].lines) << "click " << i;
    }
}

TEST(EquationsAfterReload, ADeletedBranchIsGoneFromTheEquationsThatFollow)
{
    CKirvoltDoc doc;
    ScriptedPort port;
    doc.setPort(&port);
    testing::buildVoltageDivider(doc);
    ASSERT_TRUE(runNodalAnalysis(doc));
    const auto lower = std::find_if(doc.components.begin(), doc.components.end(),
                                    [](const auto& c) { return c->label == "R2"; });
    doc.RemoveComponent(lower->get());
    runDocumentCommand(doc, ID_EQUATIONS_NODAL);
    for (const NodeEquationTexts& dialog : clickEveryJoint(doc, port)) {
        for (const std::string& line : dialog.lines) {
            EXPECT_EQ(line.find("R2"), std::string::npos) << line;
        }
    }
}

// A click or an equation pass straight after opening, before any command has filled a table,
// reads nothing beyond the tables however many branches the file says there were.
TEST(EquationsAfterReload, CountsFromTheFileNeverIndexATable)
{
    CKirvoltDoc analysed;
    testing::buildVoltageDivider(analysed);
    ASSERT_TRUE(runNodalAnalysis(analysed));
    CKirvoltDoc doc;
    reopen(analysed, doc);
    ScriptedPort port;
    doc.setPort(&port);
    doc.mode = nodeEquationMode;
    EXPECT_FALSE(writeAllEquations(doc).has_value());
    clickEveryJoint(doc, port);
    EXPECT_EQ(collectMacroNode(doc, 2), std::vector<int>{2});
    EXPECT_EQ(findSourcePath(doc, {1, 2}, 1, 2).length, 0);
}

// The trailer ends with nodesValid, nodeCount, currentIndexBase and branchCount.
void overwriteTrailerField(std::vector<std::uint8_t>& bytes, std::size_t fromEnd, std::int32_t value)
{
    const std::size_t at = bytes.size() - fromEnd;
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
    }
}

TEST(EquationsAfterReload, AHugeStoredNodeCountIsBuiltAgainNotAllocated)
{
    CKirvoltDoc analysed;
    testing::buildVoltageDivider(analysed);
    ASSERT_TRUE(runNodalAnalysis(analysed));
    for (const std::size_t field : {12u, 4u}) {
        std::vector<std::uint8_t> bytes = circuitBytes(analysed);
        overwriteTrailerField(bytes, field, 2'000'000'000);
        for (const int command : {ID_ANALYSE_NODE_VOLTAGE, ID_NODES_DATUM, ID_SHOW_EQUATION, ID_EQUATIONS_NODAL}) {
            CKirvoltDoc doc;
            ScriptedPort port;
            doc.setPort(&port);
            ASSERT_TRUE(readCircuitBytes(bytes, doc).ok);
            EXPECT_EQ(doc.nodesValid, 0);
            runDocumentCommand(doc, command);
            EXPECT_EQ(doc.nodeCount, 3) << "command " << command;
            EXPECT_TRUE(port.messages().empty()) << port.messages().front();
        }
    }
}

}  // namespace
}  // namespace kirvolt
