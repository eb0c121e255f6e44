#include <gtest/gtest.h>

#include <string>

#include "tool_run.h"

namespace kirvolt {
namespace {

using LoopMethodCommands = testing::ToolTest;

const std::string BRIDGE = std::string(KIRVOLT_EXAMPLES_DIR) + "/wheatstone_unbalanced.kvt";
const std::string USAGE_TAIL = "\nTry 'kirvolt-cli --help' for more information.\n";

// analyse --method loop prints what the node voltage method prints, with the textbook tree and
// with one given; matrix writes R·I = E over the chords' loop currents.
TEST_F(LoopMethodCommands, AnalyseAndMatrixTakeTheLoopMethodAndItsTree)
{
    const testing::ToolRun nodal = tool({"analyse", BRIDGE});
    ASSERT_EQ(nodal.status, 0) << nodal.err;
    for (const std::vector<std::string>& tree : {std::vector<std::string>{}, std::vector<std::string>{"--tree", "E1,R2,R4"}}) {
        std::vector<std::string> arguments{"analyse", BRIDGE, "--method", "loop"};
        arguments.insert(arguments.end(), tree.begin(), tree.end());
        const testing::ToolRun loops = tool(arguments);
        EXPECT_EQ(loops.status, 0) << loops.err;
        EXPECT_EQ(loops.out, nodal.out);
        EXPECT_EQ(loops.err, "");
    }
    const testing::ToolRun matrix = tool({"matrix", BRIDGE, "--tree", "E1,R2,R4", "--method", "loop"});
    EXPECT_EQ(matrix.status, 0) << matrix.err;
    EXPECT_EQ(matrix.out, "The loop current system R · I = E\n\n"
                          "Unknowns (each loop current runs through its chord in the chord's own direction):\n"
                          "  I_R1  the current of the loop that R1 closes, in its direction\n"
                          "  I_R3  the current of the loop that R3 closes, in its direction\n"
                          "  I_R5  the current of the loop that R5 closes, in its direction\n\n"
                          "     I_R1   I_R3    I_R5\n"
                          "  [  30.00   0     -20.00 ]   [ I_R1 ]   [ 10.00 ]\n"
                          "  [   0     35.00   20.00 ] · [ I_R3 ] = [ 10.00 ]\n"
                          "  [ -20.00  20.00   45.00 ]   [ I_R5 ]   [  0    ]\n\n"
                          "Solution:\n"
                          "  I_R1 =  0.36 A\n"
                          "  I_R3 =  0.26 A\n"
                          "  I_R5 = 47.1 mA\n");
}

// equations lists each chord's loop under its name, as text and as JSON keyed by the chord.
TEST_F(LoopMethodCommands, EquationsListEveryChordsLoop)
{
    const testing::ToolRun text = tool({"equations", std::string(KIRVOLT_EXAMPLES_DIR) + "/voltage_divider.kvt", "--method", "loop"});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, "Loop of R2:\n"
                        "The voltage drops round the loop of R2, in the direction of I_R2, add up to the EMFs that drive it.\n"
                        "R2·I_R2 + R1·I_R2 = E1\n20.0·I_R2 + 40.0·I_R2 = 12.0\n60.00·I_R2 = 12.00\n");
    const testing::ToolRun json =
        tool({"equations", std::string(KIRVOLT_EXAMPLES_DIR) + "/current_into_node.kvt", "--method", "loop", "--json"});
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_NE(json.out.find("{\"loops\":{\"R2\":["), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"J1\":[\"J1 is the chord of its loop, so the loop current is the source's own current.\","
                            "\"I_J1 = J1\",\"I_J1 = 0.500\",\"I_J1 = 0.50\"]}}"),
              std::string::npos)
        << json.out;
}

// A tree that is none is refused as the analysis refuses, exit 1; --tree without the loop
// method, or with a name left out, is a usage error.
TEST_F(LoopMethodCommands, ATreeThatIsNoneOrOutOfPlaceIsRefused)
{
    const testing::ToolRun loop = tool({"analyse", BRIDGE, "--method", "loop", "--tree", "R1,R3,R5"});
    EXPECT_EQ(loop.status, 1);
    EXPECT_EQ(loop.out, "");
    EXPECT_EQ(loop.err, "R5 would close a loop with R1 and R3, so it cannot be in the tree.\n");
    const testing::ToolRun report = tool({"report", BRIDGE, path("out.html"), "--method", "loop", "--tree", "E1,R1"});
    EXPECT_EQ(report.status, 1);
    EXPECT_EQ(report.err, "The tree does not join node 4 to the datum node 2: add one of R3, R4 and R5 to it.\n");
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"equations", BRIDGE, "--tree", "E1,R1,R3"},
          std::vector<std::string>{"equations", BRIDGE, "--method", "mesh", "--tree", "E1,R1,R3"},
          std::vector<std::string>{"equations", BRIDGE, "--method", "loop", "--tree", "E1,,R3"}}) {
        const testing::ToolRun run = tool(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "Usage: kirvolt-cli equations FILE [--datum N] [--method M] [--json]" + USAGE_TAIL);
    }
}

// report writes the loop current system into the worked solution.
TEST_F(LoopMethodCommands, ReportWritesTheLoopSystem)
{
    const testing::ToolRun report = tool({"report", BRIDGE, path("out.html"), "--method", "loop"});
    ASSERT_EQ(report.status, 0) << report.err;
    const std::string html = testing::fileBytes(path("out.html"));
    EXPECT_NE(html.find("The loop current system R &#183; I = E"), std::string::npos);
    EXPECT_NE(html.find("I_R5"), std::string::npos);
}

}  // namespace
}  // namespace kirvolt
