#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "cli/command.h"
#include "cli/stderr_port.h"
#include "document/circuit_file.h"
#include "support/reversed_nodal.h"
#include "support/sample_circuits.h"
#include "tool_run.h"

namespace kirvolt {
namespace {

namespace fs = std::filesystem;

// The tool's own command line run in the test, with the methods given.
testing::ToolRun commandLine(const cli::Arguments& arguments, const MethodList& methods)
{
    std::ostringstream out;
    std::ostringstream err;
    cli::StderrPort port(err);
    const int status = cli::runCommandLine(arguments, out, err, port, methods);
    return {status, out.str(), err.str()};
}

// A method the tests define reaches every command that takes --method once the run is given
// it along with the program's own, and no run without it knows its name.
TEST(SecondMethodCommands, TheTestsOwnMethodIsNamedByMethod)
{
    const fs::path dir = fs::temp_directory_path() / ("kirvolt_second_method_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string input = (dir / "divider.kvt").string();
    const std::string report = (dir / "divider.html").string();
    CKirvoltDoc drawn;
    testing::buildVoltageDivider(drawn);
    ASSERT_TRUE(saveCircuit(drawn, input).ok);

    const testing::ReversedNodalEquations reversed;
    const MethodList methods({&nodalEquations(), &meshEquationTexts(), &loopEquationTexts(), &reversed});
    struct Case {
        cli::Arguments arguments;
        int status;
        std::string outStart;  // what standard output begins with
    };
    const Case cases[] = {
        {{"analyse", input, "--method", "reversed"}, 0, commandLine({"analyse", input}, knownMethodList()).out},
        {{"equations", input, "--method", "reversed"}, 0, "Node 3:\nThis node is directly connected to the datum node"},
        {{"matrix", input, "--method", "reversed"}, 0, "The reversed nodal system G · x = b\n\nUnknowns (node 1 is the datum "
                                                       "node, at 0 V):\n  I(E1)  the current through E1"},
        {{"check", input, "--method", "reversed", "--node", "2", "V2/R1 + (V2 - V3)/R2 = 0"}, 0, "Right: this is the KCL equation of "},
        {{"check", input, "--method", "reversed", "--node", "2", "V2/R1 = 0"}, 1, ""},
        {{"report", input, report, "--method", "reversed"}, 0, ""},
        {{"--help"}, 0, "Usage: kirvolt-cli COMMAND ARGUMENTS..."},
    };
    for (const Case& c : cases) {
        const testing::ToolRun run = commandLine(c.arguments, methods);
        EXPECT_EQ(run.status, c.status) << c.arguments[0] << ": " << run.err;
        EXPECT_TRUE(run.out.starts_with(c.outStart)) << c.arguments[0] << ":\n" << run.out;
    }
    const std::string html = testing::fileBytes(report);
    EXPECT_NE(html.find("<h2>The reversed nodal system G &#183; x = b</h2>"), std::string::npos);
    EXPECT_NE(html.find("<pre>I(E1) = -0.40 A\nV3 = -12.00 V\nV2 = -4.00 V</pre>"), std::string::npos);
    const std::string listed = html.substr(html.find("Node 3"));
    EXPECT_LT(listed.find("Node 3"), listed.find("Node 2")) << "its equations in its own order";
    EXPECT_NE(commandLine({"--help"}, methods).out.find("(nodal, mesh, loop, reversed)"), std::string::npos);

    const testing::ToolRun unknown = commandLine({"analyse", input, "--method", "reversed"}, knownMethodList());
    EXPECT_EQ(unknown.status, cli::EXIT_FAILED);
    EXPECT_TRUE(unknown.err.starts_with("kirvolt-cli: unknown method 'reversed'; the methods are: nodal, mesh, loop\n"))
        << unknown.err;
    fs::remove_all(dir);
}

}  // namespace
}  // namespace kirvolt
