#include "document/circuit_file.h"
#include "support/sample_circuits.h"
#include "tool_run.h"

namespace kirvolt::testing {
namespace {

using ErcCommand = ToolTest;

TEST_F(ErcCommand, PrintsEveryFaultOneAParagraphAndExitsByWhatItFound)
{
    CKirvoltDoc faulty;
    buildThreeFaults(faulty);
    ASSERT_TRUE(saveCircuit(faulty, path("faulty.kvt")).ok);
    std::ofstream(path("broken.kvt")) << "not a circuit";
    const struct {
        std::string file;
        int status;
        std::string out;
    } runs[] = {
        {path("faulty.kvt"), 1,
         "Current Source J1 has invalid current value.\nThe current value must not be 0.\n\n"
         "If you wish to have a branch of zero current over there,\n"
         "you may replace the current source with an open circuit.\n\n"
         "Resistor R1 has invalid resistance.\nThe resistance value must be greater than 0.\n\n"
         "If you wish to have a branch of zero resistance over there,\n"
         "you may replace the resistor with a wire.\n\n"
         "Node 3 is not correctly connected.\n"},
        {std::string(KIRVOLT_EXAMPLES_DIR) + "/voltage_divider.kvt", 0,
         "No faults found: the circuit passes every rule check of the analysis and can be solved.\n"},
        {path("broken.kvt"), 2, ""},
        {path("missing.kvt"), 2, ""},
    };
    for (const auto& run : runs) {
        const ToolRun result = tool({"erc", run.file});
        EXPECT_EQ(result.status, run.status) << run.file;
        EXPECT_EQ(result.out, run.out) << run.file;
        EXPECT_EQ(result.err.empty(), run.status != 2) << run.file;
    }
}

}  // namespace
}  // namespace kirvolt::testing
