#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>

#include "cli/command.h"
#include "cli/stderr_port.h"
#include "cli/tool_run.h"
#include "document/circuit_file.h"
#include "export/html_report.h"
#include "export/markup_text.h"
#include "export/worked_solution.h"
#include "support/generated_circuits.h"
#include "support/sample_circuits.h"
#include "support/system_residual.h"
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

std::vector<fs::path> exampleCircuits()
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(KIRVOLT_EXAMPLES_DIR)) {
        if (entry.path().extension() == ".kvt") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The equations command's output cut into its "Node n:" blocks, each without its last newline
// and, as the worked solution shows them, without blank lines and lines that repeat the one
// before.
std::vector<std::string> nodeBlocks(const std::string& printed)
{
    std::vector<std::string> blocks;
    std::istringstream lines(printed);
    std::string line;
    std::string previous;
    while (std::getline(lines, line)) {
        const auto first = line.find_first_not_of(' ');
        const std::string bare =
            first == std::string::npos ? "" : line.substr(first, line.find_last_not_of(' ') - first + 1);
        if (line.starts_with("Node ")) {
            blocks.push_back(line);
        } else if (!bare.empty() && bare != previous && !blocks.empty()) {
            blocks.back() += "\n" + line;
        }
        previous = bare;
    }
    return blocks;
}

using ReportTest = testing::ToolTest;

TEST_F(ReportTest, EveryExampleReportHoldsTheEquationsAndResultsTheToolPrints)
{
    const std::vector<fs::path> examples = exampleCircuits();
    ASSERT_FALSE(examples.empty());
    for (const fs::path& example : examples) {
        const Outcome equations = runCommand(cli::equationsCommand, {example.string()});
        const Outcome analyse = runCommand(cli::analyseCommand, {example.string()});
        const Outcome report = runCommand(cli::reportCommand, {example.string(), path("report.html")});
        ASSERT_EQ(report.status, equations.status) << example << report.err;
        if (report.status != 0) {
            EXPECT_EQ(report.err, equations.err) << example;
            continue;
        }
        const std::string html = fileBytes(path("report.html"));
        EXPECT_NE(html.find("<title>Worked solution: " + markupEscaped(example.stem().string()) + "</title>"), std::string::npos);
        for (const std::string& block : nodeBlocks(equations.out)) {
            EXPECT_NE(html.find("<pre>" + markupEscaped(block) + "</pre>"), std::string::npos) << example << "\n" << block;
        }
        ASSERT_FALSE(analyse.out.empty());
        const std::string results = analyse.out.substr(0, analyse.out.size() - 1);
        EXPECT_NE(html.find("<pre>" + markupEscaped(results) + "</pre>"), std::string::npos) << example << "\n" << results;
        EXPECT_NE(html.find("<svg xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos) << example;
    }
}

// A node tied to the datum by a source, and the datum, say their relation once each.
TEST_F(ReportTest, ATiedNodeAndTheDatumShowEachLineOnce)
{
    const std::string divider = (fs::path(KIRVOLT_EXAMPLES_DIR) / "voltage_divider.kvt").string();
    ASSERT_EQ(runCommand(cli::reportCommand, {divider, path("report.html")}).status, 0);
    EXPECT_NE(fileBytes(path("report.html"))
                  .find("<pre>Node 1:\nThis node is directly connected to the datum node via the Voltage Source  E1.\n"
                        "V1  =  E1 \nV1  =  12.00V \nV1 =  12.00 Volt.</pre>\n<pre>Node 2:\nV2 = 0 Volt.</pre>\n"),
              std::string::npos);
}

void expectSystemSolved(const NamedSystem& system, const std::string& what)
{
    ASSERT_EQ(system.g.size(), system.unknowns.size()) << what;
    EXPECT_LE(testing::largestRelativeResidual(system), 1e-9) << what;
}

struct CircuitCase {
    const char* name;
    std::function<void(CKirvoltDoc&)> build;
};

const CircuitCase generatedCircuits[] = {
    {"divider", testing::buildVoltageDivider},
    {"ladder 3", [](CKirvoltDoc& doc) { testing::drawLadder(doc, 3); }},
    {"ladder 12", [](CKirvoltDoc& doc) { testing::drawLadder(doc, 12); }},
    {"mesh 9", [](CKirvoltDoc& doc) { testing::drawMesh(doc, 9); }},
    {"mesh 30", [](CKirvoltDoc& doc) { testing::drawMesh(doc, 30); }},
};

TEST(WorkedSolution, MatrixTimesSolutionIsTheRightHandSide)
{
    for (const fs::path& example : exampleCircuits()) {
        CKirvoltDoc doc;
        ASSERT_TRUE(loadCircuit(example.string(), doc).ok) << example;
        if (!analyseForReport(doc)) {
            expectSystemSolved(buildWorkedSolution(doc, "example").system, example.string());
        }
    }
    for (const CircuitCase& c : generatedCircuits) {
        CKirvoltDoc doc;
        c.build(doc);
        ASSERT_FALSE(analyseForReport(doc)) << c.name;
        expectSystemSolved(buildWorkedSolution(doc, c.name).system, c.name);
    }
}

TEST(WorkedSolution, CurrentsAtEveryOrdinaryNodeSumToZero)
{
    for (const CircuitCase& c : generatedCircuits) {
        CKirvoltDoc doc;
        c.build(doc);
        ASSERT_FALSE(analyseForReport(doc)) << c.name;
        const WorkedSolution solution = buildWorkedSolution(doc, c.name);
        EXPECT_FALSE(solution.checks.empty()) << c.name;
        for (const CurrentCheck& check : solution.checks) {
            EXPECT_NE(check.node, solution.datumNode);
            double largest = 0.0;
            for (const LeavingCurrent& current : check.currents) {
                largest = std::max(largest, std::fabs(current.amperes));
            }
            EXPECT_GT(largest, 0.0) << c.name << ", node " << check.node;
            EXPECT_LE(std::fabs(check.sum), 1e-9 * largest) << c.name << ", node " << check.node;
            EXPECT_EQ(checkSumText(check), "0 A") << c.name << ", node " << check.node;
        }
    }
}

// The check writes its currents as the results pane does, and a sum that is only their
// rounding as nothing.
TEST(WorkedSolution, TheCurrentCheckWritesItsNumbersAsTheResultsPaneDoes)
{
    const CurrentCheck balanced{2, "2", {{"R1", 1, "1", 1.74e-3}, {"R2", 3, "3", -1.74e-3 + 2e-19}}, 2e-19};
    EXPECT_EQ(checkSumText(balanced), "0 A");
    EXPECT_EQ(checkCurrentText(balanced.currents[0].amperes), "1.74 mA");
    const CurrentCheck unbalanced{2, "2", {{"R1", 1, "1", 1e-3}, {"J1", 3, "3", -0.5e-3}}, 0.5e-3};
    EXPECT_EQ(checkSumText(unbalanced), "500 \xC2\xB5" "A");
    EXPECT_EQ(checkCurrentText(2.0), "2.00 A");
}

// The divider: unknowns V2, V3 and the current of E1 (from its + terminal at node 1 through it).
TEST(WorkedSolution, NamesTheUnknownsAndListsTheJointsOfEachNode)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    ASSERT_FALSE(analyseForReport(doc));
    const WorkedSolution solution = buildWorkedSolution(doc, "divider");
    std::vector<std::string> unknowns;
    for (const Unknown& unknown : solution.system.unknowns) {
        unknowns.push_back(unknown.symbol);
    }
    EXPECT_EQ(unknowns, (std::vector<std::string>{"V2", "V3", "I(E1)"}));
    EXPECT_EQ(solution.system.preamble, "node 1 is the datum node, at 0 V");
    const std::vector<double> x = {-4.0, -12.0, -0.4};
    ASSERT_EQ(solution.system.x.size(), 3u);
    const std::vector<std::vector<double>> g = {{0.15, -0.05, 0}, {-0.05, 0.05, -1}, {0, -1, 0}};
    for (std::size_t r = 0; r < 3; ++r) {
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_NEAR(solution.system.g[r][k], g[r][k], 1e-15);
        }
        EXPECT_NEAR(solution.system.x[r], x[r], 1e-12);
    }
    EXPECT_EQ(solution.system.b, (std::vector<double>{0, 0, 12}));
    ASSERT_EQ(solution.nodes.size(), 3u);
    EXPECT_EQ(solution.nodes[0].joints, (std::vector<std::string>{"(5, 5)", "(7, 5)"}));
    EXPECT_EQ(solution.nodes[1].joints, (std::vector<std::string>{"(13, 5)", "(16, 5)"}));
    EXPECT_EQ(solution.nodes[2].joints, (std::vector<std::string>{"(16, 11)", "(5, 11)"}));
    ASSERT_EQ(solution.checks.size(), 1u);  // node 3 is tied to the datum by E1
    EXPECT_EQ(solution.checks[0].node, 2);
}

TEST(WorkedSolution, TheResultsEndWithWhatEachMeterReads)
{
    CKirvoltDoc doc;
    testing::buildMeteredDivider(doc);
    ASSERT_FALSE(analyseForReport(doc));
    const WorkedSolution solution = buildWorkedSolution(doc, "metered");
    const std::vector<std::string> last(solution.results.end() - 3, solution.results.end());
    EXPECT_EQ(last, (std::vector<std::string>{"  Am1 reads 0.40 A.", "  Vm1 reads 8.00 V.",
                                              "  Vm2 cannot read: neither of its terminals is connected to the circuit."}));
    EXPECT_NE(htmlReport(solution, "").find("Vm1 reads 8.00 V."), std::string::npos);
}

TEST(WorkedSolution, TheResultsGiveEachPowerAndTheBalanceOfThem)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    ASSERT_FALSE(analyseForReport(doc));
    const WorkedSolution solution = buildWorkedSolution(doc, "divider");
    const std::string balance = "  Power delivered 4.80 W = power absorbed 4.80 W.";
    EXPECT_EQ(solution.results.back(), balance);
    EXPECT_NE(htmlReport(solution, "").find(balance), std::string::npos);
}

TEST(WorkedSolution, AReportOfAnAnalysedCircuitDoesNotSolveItAgain)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    ASSERT_FALSE(analyseForReport(doc));
    const std::uint64_t revision = doc.revision();
    // A mark at node 2 that solving again would overwrite.
    for (const auto& element : doc.components) {
        element->startVoltage = element->startNode == 2 ? 99.0 : element->startVoltage;
        element->finishVoltage = element->finishNode == 2 ? 99.0 : element->finishVoltage;
    }
    ASSERT_FALSE(analyseForReport(doc));
    EXPECT_EQ(doc.revision(), revision);
    EXPECT_EQ(solvedNodeVoltage(doc, 2), 99.0);
}

}  // namespace
}  // namespace kirvolt
