#include "document/circuit_file.h"
#include "support/circuit_builder.h"
#include "support/sample_circuits.h"
#include "tool_run.h"

namespace kirvolt::testing {
namespace {

using CheckCommand = ToolTest;

const std::string MIXED = std::string(KIRVOLT_EXAMPLES_DIR) + "/mixed_sources.kvt";

struct CheckRun {
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::string err;
};

TEST_F(CheckCommand, PrintsTheVerdictAndExitsByIt)
{
    const CheckRun runs[] = {
        {{"check", MIXED, "--node", "4", "(V4-V3)/R3 + V4/R4 = J1"},
         0,
         "Right: this is the KCL equation of node 4.\n",
         ""},
        // The words after the file make up the equation, quoted or not.
        {{"check", MIXED, "(V4-V3)/R3", "+", "V4/R4", "=", "J1", "--node", "4"},
         0,
         "Right: this is the KCL equation of node 4.\n",
         ""},
        {{"check", MIXED, "--node", "4", "(V4-V3)/R3 = J1"},
         1,
         "Not yet: this is not the KCL equation of node 4.\n"
         "The term for R4 is missing: current leaves node 4 through R4, V4/R4.\n",
         ""},
        {{"check", MIXED, "--node", "4", "(V4-V3)/R3 + = J1"},
         2,
         "Kirvolt could not read the equation after \xE2\x80\x9C(V4-V3)/R3 +\xE2\x80\x9D: a number, a node voltage "
         "such as V2, an element name such as R1, or \xE2\x80\x9C(\xE2\x80\x9D should come here.\n",
         ""},
        {{"check", MIXED, "--node", "9", "V9 = 0"},
         2,
         "",
         "There is no node called \xE2\x80\x9C" "9\xE2\x80\x9D in this circuit.\n"},
        {{"check", std::string(KIRVOLT_EXAMPLES_DIR) + "/dangling_resistor.kvt", "--node", "2", "V2 = 0"},
         2,
         "",
         ""},
        {{"check", MIXED, "V4 = 0"}, 2, "", ""},
    };
    for (const CheckRun& run : runs) {
        const ToolRun result = tool(run.arguments);
        EXPECT_EQ(result.status, run.status) << run.arguments.back();
        EXPECT_EQ(result.out, run.out) << run.arguments.back();
        if (!run.err.empty()) {
            EXPECT_EQ(result.err, run.err);
        } else if (run.status == 2 && run.out.empty()) {
            EXPECT_FALSE(result.err.empty()) << "a refusal or the usage goes to standard error";
        }
    }
}

// Mesh 1 of mixed_sources goes round R1, R2 and E1; J1 joins meshes 2 and 3, whose equation is
// I3 − I2 = J1.
TEST_F(CheckCommand, ChecksAMeshEquationByTheMeshCurrentMethod)
{
    const std::string minus = "\xE2\x88\x92";
    const CheckRun runs[] = {
        {{"check", MIXED, "--mesh", "1", "R1*I1 + R2*(I1 - I2) = E1"}, 0, "Right: this is the KVL equation of mesh 1.\n", ""},
        {{"check", MIXED, "--method", "mesh", "--mesh", "1", "R1*I1", "+", "R2*(I1 - I2) = E1"},
         0,
         "Right: this is the KVL equation of mesh 1.\n",
         ""},
        {{"check", MIXED, "--mesh", "1", "R1*I1 + R2*I1 = E1"},
         1,
         "Not yet: this is not the KVL equation of mesh 1.\nThe term for R2 leaves out I2: R2 is shared with mesh 2, so "
         "the current through it is I1 " + minus + " I2 and its drop is R2\xC2\xB7(I1 " + minus + " I2).\n",
         ""},
        {{"check", MIXED, "--mesh", "3", "I2 - I3 = J1"},
         1,
         "Not yet: this is not the equation of mesh 3.\nJ1 between meshes 3 and 2 carries the difference of their "
         "currents, so the equation of mesh 3 is I3 " + minus + " I2 = J1.\nThe sign of J1 is wrong: J1 drives its "
         "current the way I3 runs through it, against I2.\n",
         ""},
        {{"check", MIXED, "--mesh", "1", "I1*I2 = 0"},
         2,
         "Kirvolt could not read the equation after \xE2\x80\x9CI1\xE2\x80\x9D: it multiplies mesh currents together, "
         "and a KVL equation is linear in the mesh currents.\n",
         ""},
        {{"check", MIXED, "--mesh", "4", "I4 = 0"}, 2, "", "There is no mesh 4 in this circuit: its drawing has 3 meshes.\n"},
        {{"check", MIXED, "--mesh", "first", "I1 = 0"},
         2,
         "",
         "\xE2\x80\x9C" "first\xE2\x80\x9D is not a mesh number: the meshes are numbered 1, 2, 3 and so on in reading "
         "order.\n"},
        {{"check", MIXED, "--mesh", "1", "--method", "nodal", "I1 = 0"},
         2,
         "",
         "Mesh equations are written by the mesh current method: give --mesh with --method mesh, or leave --method "
         "out.\n"},
        {{"check", MIXED, "--mesh", "1", "--node", "4", "I1 = 0"}, 2, "", ""},
    };
    for (const CheckRun& run : runs) {
        const ToolRun result = tool(run.arguments);
        EXPECT_EQ(result.status, run.status) << run.arguments.back();
        EXPECT_EQ(result.out, run.out) << run.arguments.back();
        if (!run.err.empty()) {
            EXPECT_EQ(result.err, run.err);
        } else if (run.status == 2 && run.out.empty()) {
            EXPECT_FALSE(result.err.empty()) << "a refusal or the usage goes to standard error";
        }
    }
}

// The bridge's textbook tree is E1, R1 and R3; over E1, R2 and R4 the chords change. A current
// source cannot stand in the tree, and a loop is named by its current or its chord.
TEST_F(CheckCommand, ChecksALoopEquationOverTheTreeGiven)
{
    const std::string bridge = std::string(KIRVOLT_EXAMPLES_DIR) + "/wheatstone_unbalanced.kvt";
    const std::string withSource = std::string(KIRVOLT_EXAMPLES_DIR) + "/current_into_node.kvt";
    const CheckRun runs[] = {
        {{"check", bridge, "--loop", "I_R2", "R2*I_R2 + R1*(I_R2 + I_R5) = E1"},
         0,
         "Right: this is the KVL equation of the loop of R2.\n",
         ""},
        {{"check", bridge, "--method", "loop", "--loop", "R2", "R2*I(R2)", "=", "E1"},
         1,
         "Not yet: this is not the KVL equation of the loop of R2.\nThe term for R1 is missing: going round the loop of "
         "R2 in the direction of I_R2, the current passes through R1, a voltage drop of R1\xC2\xB7(I_R2 + I_R5).\n",
         ""},
        {{"check", bridge, "--tree", "E1,R2,R4", "--loop", "I_R1", "R1*I_R1 + R2*(I_R1 - I_R5) = E1"},
         0,
         "Right: this is the KVL equation of the loop of R1.\n",
         ""},
        {{"check", bridge, "--loop", "I_R1", "R1*I_R1 = E1"},
         2,
         "",
         "There is no loop current \xE2\x80\x9CI_R1\xE2\x80\x9D in this circuit: its loop currents are I_R2, I_R4 "
         "and I_R5.\n"},
        {{"check", withSource, "--tree", "E1,J1", "--loop", "I_R2", "I_R2 = 0"},
         2,
         "",
         "J1 cannot be in the tree: a current source fixes the current of its branch, so it must be a chord.\n"},
        {{"check", bridge, "--method", "mesh", "--loop", "I_R2", "I_R2 = 0"},
         2,
         "",
         "Loop equations are written by the loop current method: give --loop with --method loop, or leave --method "
         "out.\n"},
        {{"check", bridge, "--tree", "E1,R2,R4", "--node", "2", "V2 = 0"}, 2, "", ""},
    };
    for (const CheckRun& run : runs) {
        const ToolRun result = tool(run.arguments);
        EXPECT_EQ(result.status, run.status) << run.arguments.back();
        EXPECT_EQ(result.out, run.out) << run.arguments.back();
        if (!run.err.empty()) {
            EXPECT_EQ(result.err, run.err);
        } else if (run.status == 2 && run.out.empty()) {
            EXPECT_FALSE(result.err.empty()) << "a refusal or the usage goes to standard error";
        }
    }
}

// A wire laid along R1 from terminal to terminal crosses it: the mesh current method cannot
// number the meshes, so there is no mesh equation to check against.
TEST_F(CheckCommand, ADrawingTheMeshMethodRefusesGetsItsMessage)
{
    CKirvoltDoc doc;
    buildVoltageDivider(doc);
    CircuitBuilder(doc).wire(7, 5, 13, 5);
    ASSERT_TRUE(saveCircuit(doc, path("crossed.kvt")).ok);
    const ToolRun result = tool({"check", path("crossed.kvt"), "--mesh", "1", "R1*I1 = E1"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("R1 and W4 cross at grid point (7, 5) without meeting at their ends", 0), 0u) << result.err;
}

}  // namespace
}  // namespace kirvolt::testing
