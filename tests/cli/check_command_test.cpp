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

}  // namespace
}  // namespace kirvolt::testing
