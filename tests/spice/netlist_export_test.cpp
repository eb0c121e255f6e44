#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "analysis/nodal_solver.h"
#include "document/circuit_file.h"
#include "ngspice_agreement.h"
#include "spice/netlist_files.h"
#include "support/circuit_builder.h"
#include "support/generated_circuits.h"
#include "support/ngspice.h"
#include "support/random_circuits.h"
#include "support/sample_circuits.h"

namespace kirvolt {
namespace {

using testing::expectAgreement;
using testing::expectClose;

// Exports the circuit, runs ngspice on the netlist and the analysis on the circuit, and
// compares them; then reads the netlist back as a new circuit whose analysis must give every
// element the same p.d. and current. False when the analysis refuses the circuit.
bool exportAndCompare(CKirvoltDoc& doc, const std::string& what)
{
    const std::vector<std::uint8_t> before = circuitBytes(doc);
    const bool modified = doc.IsModified();
    const CircuitNetlist exported = circuitNetlist(doc, what);
    EXPECT_EQ(circuitBytes(doc), before) << what << ": the export changed the circuit";
    EXPECT_EQ(doc.IsModified(), modified) << what;
    const SpiceText spice = writeSpiceNetlist(exported.netlist);

    const AnalysisOutcome outcome = runNodalAnalysis(doc);
    if (!outcome) {
        EXPECT_EQ(exported.netlist.notes,
                  std::vector<std::string>{"Kirvolt does not solve this circuit:\n" + outcome.refusal->message})
            << what;
        return false;
    }
    EXPECT_TRUE(exported.netlist.notes.empty()) << what;
    const std::map<std::string, double> printed = testing::runNgspiceOperatingPoint(spice.text);
    EXPECT_FALSE(printed.empty()) << what << ": ngspice could not be run";
    expectAgreement(doc, exported, spice, printed, what);

    CKirvoltDoc again;
    const FileResult imported = importNetlistText(spice.text, again);
    EXPECT_TRUE(imported.ok) << what << ": " << imported.message;
    const AnalysisOutcome solvedAgain = runNodalAnalysis(again);
    EXPECT_TRUE(solvedAgain) << what;
    std::size_t element = 0;
    for (const auto& c : doc.components) {
        if (isBranchKind(c->kindCode) && solvedAgain) {
            const CComponent& twin = *again.components.at(element++);
            EXPECT_EQ(twin.label, c->label) << what;
            expectClose(twin.pd, c->pd, 1, what + " " + c->label + " p.d. imported again");
            expectClose(twin.current, c->current, 1, what + " " + c->label + " current imported again");
        }
    }
    return true;
}

TEST(NetlistExport, RandomCircuitsSolveAsNgspiceSolvesTheirNetlistsAndAsTheyAreReadBack)
{
    testing::CircuitGenerator generator(1606u);
    int solved = 0;
    for (int c = 0; c < 150; ++c) {
        const testing::RandomCircuit circuit = generator.next(c % 3 == 0 ? 16 : 8);
        testing::DrawnCircuit picture(circuit, generator);
        picture.buildAndChooseDatum();
        solved += exportAndCompare(picture.doc, "random circuit " + std::to_string(c)) ? 1 : 0;
    }
    EXPECT_GT(solved, 100);
}

TEST(NetlistExport, EveryExampleAndGeneratedCircuitSolvesAsNgspiceSolvesItsNetlist)
{
    std::vector<std::pair<std::string, std::unique_ptr<CKirvoltDoc>>> circuits;
    for (const auto& entry : std::filesystem::directory_iterator(KIRVOLT_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".kvt") {
            continue;
        }
        auto doc = std::make_unique<CKirvoltDoc>();
        ASSERT_TRUE(loadCircuit(entry.path().string(), *doc).ok) << entry.path();
        circuits.emplace_back(entry.path().filename().string(), std::move(doc));
    }
    const std::pair<const char*, void (*)(CKirvoltDoc&)> generated[] = {
        {"divider", testing::buildVoltageDivider},
        {"ladder", [](CKirvoltDoc& doc) { testing::drawLadder(doc, 12); }},
        {"mesh", [](CKirvoltDoc& doc) { testing::drawMesh(doc, 16); }},
    };
    for (const auto& [name, draw] : generated) {
        auto doc = std::make_unique<CKirvoltDoc>();
        draw(*doc);
        circuits.emplace_back(name, std::move(doc));
    }
    // The examples that teach the rule checks' messages are exported with the reason instead.
    int solved = 0;
    for (auto& [name, doc] : circuits) {
        solved += exportAndCompare(*doc, name) ? 1 : 0;
    }
    EXPECT_GE(solved, 15);
}

TEST(NetlistExport, ACircuitTheAnalysisRefusesIsExportedAsDrawnWithTheReason)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    testing::CircuitBuilder(doc).resistor(30, 5, ORIENT_EAST, 47);
    EXPECT_EQ(exportNetlistText(doc, "divider and a loose resistor"),
              "divider and a loose resistor\n"
              "* Kirvolt does not solve this circuit:\n"
              "* Node 4 is not correctly connected.\n"
              "V1 0 3 DC 12\n"
              "R1 0 2 10\n"
              "R2 2 3 20\n"
              "R3 4 5 47\n"
              ".op\n"
              ".end\n");
}

// E1 drives R1 through an ammeter, a voltmeter across R1.
TEST(NetlistExport, AnAmmeterIsAZeroVoltSourceAndAVoltmeterAComment)
{
    CKirvoltDoc doc;
    testing::CircuitBuilder build(doc);
    build.voltageSource(5, 5, ORIENT_NORTH, 10);
    build.wire(5, 2, 7, 2);
    build.resistor(10, 2, ORIENT_EAST, 5);
    build.element(KIND_AMMETER, {13, 5}, ORIENT_NORTH, 0);
    build.element(KIND_VOLTMETER, {10, 2}, ORIENT_EAST, 0);
    build.wire(13, 8, 5, 8);
    EXPECT_EQ(exportNetlistText(doc, "meters"),
              "meters\n"
              "V1 0 2 DC 10\n"
              "R1 0 3 5\n"
              "* VAm1 is the ammeter Am1, a 0 V source here; its current is the reading.\n"
              "VAm1 3 2 DC 0\n"
              "* Vm1 is a voltmeter between 3 and 0; it reads the p.d. of the first over the second.\n"
              ".op\n"
              ".end\n");
}

}  // namespace
}  // namespace kirvolt
