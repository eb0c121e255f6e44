#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "cli/command.h"
#include "cli/stderr_port.h"
#include "cli/tool_run.h"
#include "document/circuit_file.h"
#include "export/markup_text.h"
#include "export/worked_solution.h"
#include "support/generated_circuits.h"
#include "support/ngspice.h"
#include "command_run.h"

namespace kirvolt {
namespace {

namespace fs = std::filesystem;
using testing::fileBytes;

using Outcome = testing::ToolRun;

Outcome runCommand(const cli::Command& command, const cli::Arguments& arguments)
{
    return testing::runInProcess(command, arguments);
}

std::string example(const std::string& name) { return (fs::path(KIRVOLT_EXAMPLES_DIR) / name).string(); }

// The part of a page from the heading given up to the next one of its level, or to the end.
std::string section(const std::string& html, const std::string& heading)
{
    const std::size_t start = html.find(heading);
    if (start == std::string::npos) {
        return "";
    }
    const std::string level = heading.substr(0, 4);
    const std::size_t end = html.find(level, start + heading.size());
    return html.substr(start, (end == std::string::npos ? html.find("</body>") : end) - start);
}

using ReportSectionsTest = testing::ToolTest;

// Two sources, two meshes: the report of the mesh current method to the byte, each block
// where the nodal report has its own.
TEST_F(ReportSectionsTest, AMeshReportWritesTheMeshesTheirEquationsSystemAndCheck)
{
    ASSERT_EQ(runCommand(cli::reportCommand, {example("two_sources.kvt"), path("mesh.html"), "--method", "mesh"}).status, 0);
    const std::string html = fileBytes(path("mesh.html"));
    const struct {
        const char* heading;
        const char* text;
    } sections[] = {
        {"<h2>Meshes</h2>", R"(<h2>Meshes</h2>
<p>Each mesh current runs clockwise round its mesh.</p>
<table class="nodes">
<tr><th>Mesh</th><th>Current</th><th>Top-left corner (grid position)</th><th>Elements clockwise from the corner</th></tr>
<tr><td>1</td><td>I1 = 0.21 A</td><td>(4, 4)</td><td>R1, R2, E1</td></tr>
<tr><td>2</td><td>I2 = 71.4 mA</td><td>(16, 4)</td><td>R3, E2, R2</td></tr>
</table>
)"},
        {"<h2>Mesh equations</h2>", R"(<h2>Mesh equations</h2>
<pre>Mesh 1:
The voltage drops clockwise round mesh 1 add up to the EMFs that drive its current.
R1·I1 + R2·(I1 − I2) = E1
20.0·I1 + 40.0·(I1 − I2) = 10.0
60.00·I1 − 40.00·I2 = 10.00</pre>
<pre>Mesh 2:
The voltage drops clockwise round mesh 2 add up to the EMFs that drive its current.
R3·I2 + R2·(I2 − I1) = −E2
10.0·I2 + 40.0·(I2 − I1) = −5.00
−40.00·I1 + 50.00·I2 = −5.00</pre>
)"},
        {"<h2>The mesh current system", R"(<h2>The mesh current system R &#183; I = E</h2>
<table class="matrix">
<tr><th>I1</th><th>I2</th><th></th><th>I</th><th></th><th>E</th></tr>
<tr><td class="g">60.00</td><td class="g">-40.00</td><td class="sign">&#183;</td><td>I1</td><td class="sign">=</td><td>10.00</td></tr>
<tr><td class="g">-40.00</td><td class="g">50.00</td><td class="sign"></td><td>I2</td><td class="sign"></td><td>-5.00</td></tr>
</table>
<h3>Solution</h3>
<pre>I1 = 0.21 A
I2 = 71.4 mA</pre>
)"},
        {"<h2>Check", R"(<h2>Check: the voltage drops clockwise round each mesh sum to zero</h2>
<pre>Mesh 1:
  R1·I1: 4.29 V
  R2·(I1 − I2): 5.71 V
  E1: -10.00 V
  Sum: 0 V</pre>
<pre>Mesh 2:
  R3·I2: 0.71 V
  E2: 5.00 V
  R2·(I2 − I1): -5.71 V
  Sum: 0 V</pre>
)"},
    };
    for (const auto& [heading, text] : sections) {
        EXPECT_EQ(section(html, heading), text) << heading;
    }
    EXPECT_EQ(html.find("<h2>Node equations</h2>"), std::string::npos);
    EXPECT_EQ(html.find("currents leaving each node"), std::string::npos);
}

// The mesh currents of that report are the currents ngspice finds in R1 (mesh 1's alone) and
// R3 (mesh 2's alone): 3/14 A and 1/14 A.
TEST(ReportSections, TheMeshCurrentsAreThoseNgspiceFinds)
{
    const std::map<std::string, double> printed =
        testing::runNgspiceOperatingPoint("two sources\nv1 1 0 10\nr1 1 2 20\nr2 2 0 40\nr3 2 4 10\nv2 4 0 5\n.end\n");
    ASSERT_FALSE(printed.empty()) << "ngspice could not be run";
    const auto v = [&printed](const char* node) { return testing::ngspiceVoltage(printed, node).value(); };
    CKirvoltDoc doc;
    ASSERT_TRUE(loadCircuit(example("two_sources.kvt"), doc).ok);
    doc.analysisMethod = "mesh";
    ASSERT_FALSE(analyseForReport(doc));
    const WorkedSolution solution = buildWorkedSolution(doc, "two sources");
    ASSERT_EQ(solution.system.x.size(), 2u);
    EXPECT_NEAR(solution.system.x[0], (v("1") - v("2")) / 20.0, 1e-12);
    EXPECT_NEAR(solution.system.x[1], (v("2") - v("4")) / 10.0, 1e-12);
    ASSERT_EQ(solution.voltageChecks.size(), 2u);
    for (const VoltageCheck& check : solution.voltageChecks) {
        EXPECT_EQ(checkSumText(check), "0 V") << check.heading;
    }
}

// Every example the mesh method solves: its report holds every mesh equation the equations
// command prints, and its check finds every voltage law satisfied.
TEST_F(ReportSectionsTest, EveryMeshReportHoldsTheMeshEquationsAndBalances)
{
    int reported = 0;
    for (const auto& entry : fs::directory_iterator(KIRVOLT_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".kvt") {
            continue;
        }
        const std::string file = entry.path().string();
        const Outcome report = runCommand(cli::reportCommand, {file, path("r.html"), "--method", "mesh"});
        const Outcome equations = runCommand(cli::equationsCommand, {file, "--method", "mesh"});
        ASSERT_EQ(report.status, equations.status) << file;
        if (report.status != 0) {
            EXPECT_EQ(report.err, equations.err) << file;
            continue;
        }
        ++reported;
        const std::string html = fileBytes(path("r.html"));
        std::istringstream printed(equations.out);
        for (std::string line; std::getline(printed, line);) {
            EXPECT_NE(html.find(markupEscaped(line)), std::string::npos) << file << ": " << line;
        }
        const std::string check = section(html, "<h2>Check");
        EXPECT_NE(check.find("voltage drops clockwise"), std::string::npos) << file;
        std::size_t sums = 0;
        for (std::size_t at = check.find("Sum: "); at != std::string::npos; at = check.find("Sum: ", at + 1)) {
            EXPECT_EQ(check.compare(at, 9, "Sum: 0 V<"), 0) << file;
            ++sums;
        }
        EXPECT_GT(sums, 0u) << file;
    }
    EXPECT_GE(reported, 10);
}

// The sections on request are the theorem commands' own worked texts, in the order asked for.
TEST_F(ReportSectionsTest, TheTheoremSectionsAreTheCommandsWorkedTexts)
{
    const std::string bridge = example("wheatstone_unbalanced.kvt");
    const Outcome report = runCommand(
        cli::reportCommand, {bridge, path("t.html"), "--formulas", "--thevenin-load", "R5", "--superposition", "--method", "mesh"});
    ASSERT_EQ(report.status, 0) << report.err;
    const std::string html = fileBytes(path("t.html"));
    const auto block = [](const std::string& heading, const std::string& out) {
        return "<h2>" + heading + "</h2>\n<pre>" + markupEscaped(out.substr(0, out.size() - 1)) + "</pre>\n";
    };
    const Outcome thevenin = runCommand(cli::theveninCommand, {bridge, "--load", "R5"});
    const Outcome superpose = runCommand(cli::superposeCommand, {bridge});
    ASSERT_EQ(thevenin.status, 0);
    ASSERT_EQ(superpose.status, 0);
    const std::size_t theveninAt = html.find(block("Th\xC3\xA9venin and Norton equivalents", thevenin.out));
    const std::size_t superposeAt = html.find(block("Superposition", superpose.out));
    const std::size_t formulasAt = html.find("<h2>Node voltages as formulas</h2>\n<pre>");
    ASSERT_NE(theveninAt, std::string::npos);
    ASSERT_NE(superposeAt, std::string::npos);
    ASSERT_NE(formulasAt, std::string::npos);
    EXPECT_LT(theveninAt, superposeAt);
    EXPECT_LT(superposeAt, formulasAt);
    EXPECT_GT(theveninAt, html.find("<h2>Check"));
    EXPECT_NE(html.find("Norton equivalent: In = 62.5 mA into 3, in parallel with Rth = 15.24 \xCE\xA9."), std::string::npos);
}

// What the formulas section says where there are none, and how the report refuses a question
// it cannot answer; a report without sections is the one it always was.
TEST_F(ReportSectionsTest, SectionsSayWhyTheyAreEmptyAndABadQuestionIsRefused)
{
    CKirvoltDoc ladder;
    testing::drawLadder(ladder, 8);
    ASSERT_TRUE(saveCircuit(ladder, path("ladder.kvt")).ok);
    ASSERT_EQ(runCommand(cli::reportCommand, {path("ladder.kvt"), path("l.html"), "--formulas"}).status, 0);
    const std::string formulas = section(fileBytes(path("l.html")), "<h2>Node voltages as formulas</h2>");
    const Outcome cli = runCommand(cli::formulasCommand, {path("ladder.kvt")});
    EXPECT_EQ(cli.status, 1);
    EXPECT_EQ(formulas, "<h2>Node voltages as formulas</h2>\n<pre>" + markupEscaped(cli.err.substr(0, cli.err.size() - 1)) + "</pre>\n");
#ifdef KIRVOLT_WITH_GINAC
    EXPECT_NE(formulas.find("Formulas are worked out for circuits of at most 6 unknowns; this one has "), std::string::npos);
#else
    EXPECT_NE(formulas.find("and this Kirvolt was built without it."), std::string::npos);
#endif

    const struct {
        cli::Arguments arguments;
        int status;
        const char* err;
    } refusals[] = {
        {{"--thevenin", "1", "9"}, 1, "There is no node named 9 in this circuit.\n"},
        {{"--thevenin-load", "R9"}, 1, "There is no resistor named R9 in this circuit.\n"},
        {{"--thevenin", "2", "2"}, 1, "Node 2 is both terminals: choose two different nodes.\n"},
        {{"--thevenin", "2"}, cli::BAD_USAGE, ""},
        {{"--superposition", "--superposition"}, cli::BAD_USAGE, ""},
        {{"--formula"}, cli::BAD_USAGE, ""},
    };
    const std::string divider = example("voltage_divider.kvt");
    for (const auto& [arguments, status, err] : refusals) {
        cli::Arguments all = {divider, path("d.html")};
        all.insert(all.end(), arguments.begin(), arguments.end());
        const Outcome refused = runCommand(cli::reportCommand, all);
        EXPECT_EQ(refused.status, status) << arguments.front();
        EXPECT_EQ(refused.err, err) << arguments.front();
        EXPECT_FALSE(fs::exists(path("d.html"))) << arguments.front();
    }
}

}  // namespace
}  // namespace kirvolt
