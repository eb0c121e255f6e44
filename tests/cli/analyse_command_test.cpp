#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/nodal_solver.h"
#include "cli/analysis_options.h"
#include "cli/command.h"
#include "cli/stderr_port.h"
#include "document/circuit_file.h"
#include "support/circuit_builder.h"
#include "support/json_reader.h"
#include "support/node_circuit.h"
#include "support/sample_circuits.h"
#include "command_run.h"

namespace kirvolt {
namespace {

namespace fs = std::filesystem;

using Outcome = testing::ToolRun;

class AnalyseCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("kirvolt_analyse_" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    std::string save(const std::string& name, const std::function<void(CKirvoltDoc&)>& build) const
    {
        CKirvoltDoc doc;
        build(doc);
        EXPECT_TRUE(saveCircuit(doc, path(name)).ok);
        return path(name);
    }

    static Outcome analyse(const cli::Arguments& arguments)
    {
        return testing::runInProcess(cli::analyseCommand, arguments);
    }

    fs::path dir;
};

TEST_F(AnalyseCommand, PrintsTheResultsPaneAsPlainText)
{
    const Outcome run = analyse({save("divider.kvt", testing::buildVoltageDivider)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    // E1 = 12 V drives 0.4 A through R1 = 10 ohm and R2 = 20 ohm; node 1 (E1's + side) is the datum.
    EXPECT_EQ(run.out, "  Analysis Results:\n"
                       "  Node Number:  Node Voltage in V\n"
                       "  " + std::string(103, '-') + "\n"
                       "  Node 1:   0.00 V.\n"
                       "  Node 2:   -4.00 V.\n"
                       "  Node 3:   -12.00 V.\n"
                       "  Component: p.d. in V; current in A.\n"
                       "  " + std::string(104, '-') + "\n"
                       "  R1:  V12 = 4.00 V;   I12 = 0.40 A.\n"
                       "  R2:  V23 = 8.00 V;   I23 = 0.40 A.\n"
                       "  E1:  V13 = 12.00 V;   I31 = 0.40 A.\n"
                       "  Component: power in W, absorbed (+) or delivered (-).\n"
                       "  " + std::string(104, '-') + "\n"
                       "  R1:  P = 1.60 W.\n"
                       "  R2:  P = 3.20 W.\n"
                       "  E1:  P = -4.80 W.\n"
                       "  Power delivered 4.80 W = power absorbed 4.80 W.\n");
}

TEST_F(AnalyseCommand, JsonListsNodesAndComponentsWithTheChosenDatum)
{
    for (int datum : {1, 2}) {
        const Outcome run = analyse({save("divider.kvt", testing::buildVoltageDivider), "--json", "--datum",
                                     std::to_string(datum)});
        ASSERT_EQ(run.status, 0) << run.err;
        const testing::JsonValue json = testing::parseJson(run.out);
        const double shift = datum == 2 ? 4 : 0;
        EXPECT_EQ(json["datumNode"].number(), datum);
        const auto& nodes = json["nodes"].array();
        ASSERT_EQ(nodes.size(), 3u);
        const double voltages[] = {0, -4, -12};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(nodes[k]["number"].number(), k + 1);
            EXPECT_EQ(nodes[k]["name"].text(), std::to_string(k + 1));
            EXPECT_NEAR(nodes[k]["voltage"].number(), voltages[k] + shift, 1e-12);
        }
        const auto& components = json["components"].array();
        ASSERT_EQ(components.size(), 3u);
        const char* labels[] = {"E1", "R1", "R2"};
        const double currents[] = {-0.4, 0.4, 0.4};
        const double pds[] = {12, 4, 8};
        const double powers[] = {-4.8, 1.6, 3.2};
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(components[k]["power"].number(), powers[k], 1e-12);
            EXPECT_EQ(components[k]["label"].text(), labels[k]);
            EXPECT_EQ(components[k]["name"].text(), labels[k]);
            EXPECT_NEAR(components[k]["pd"].number(), pds[k], 1e-12);
            EXPECT_NEAR(components[k]["current"].number(), currents[k], 1e-12);
            EXPECT_NEAR(components[k]["startVoltage"].number() - components[k]["finishVoltage"].number(), pds[k],
                        1e-12);
        }
        EXPECT_EQ(components[0]["kindCode"].number(), KIND_VOLTAGE_SOURCE);
        EXPECT_EQ(components[1]["value"].number(), 10);
        EXPECT_EQ(components[2]["startNode"].number(), 2);
        EXPECT_EQ(components[2]["finishNode"].number(), 3);
    }
}

TEST_F(AnalyseCommand, MetersReadInTheTextAndAsTheirOwnCurrentOrPd)
{
    const std::string input = save("metered.kvt", testing::buildMeteredDivider);
    const Outcome text = analyse({input});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("  Meter: reading, from its + terminal to its - terminal.\n"
                            "  " + std::string(104, '-') + "\n"
                            "  Am1 reads 0.40 A.\n"
                            "  Vm1 reads 8.00 V.\n"
                            "  Vm2 cannot read: neither of its terminals is connected to the circuit.\n"),
              std::string::npos)
        << text.out;
    const Outcome run = analyse({input, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const testing::JsonValue json = testing::parseJson(run.out);
    const auto& components = json["components"].array();
    ASSERT_EQ(components.size(), 6u);
    EXPECT_EQ(components[2]["label"].text(), "Am1");
    EXPECT_NEAR(components[2]["current"].number(), 0.4, 1e-12);
    EXPECT_NEAR(components[4]["pd"].number(), 8.0, 1e-12);
    EXPECT_TRUE(components[5]["pd"].isNull());
    EXPECT_EQ(components[5]["whyNot"].text(), "Vm2 cannot read: neither of its terminals is connected to the circuit.");
}

TEST_F(AnalyseCommand, ADatumThatIsNoNodeIsAnErrorNamingTheNodeCount)
{
    const std::string input = save("divider.kvt", testing::buildVoltageDivider);
    for (const char* datum : {"4", "9", "0", "-1"}) {
        const Outcome run = analyse({input, "--datum", datum});
        EXPECT_EQ(run.status, cli::EXIT_FAILED) << datum;
        EXPECT_EQ(run.out, "") << datum;
        EXPECT_EQ(run.err, std::string("There is no node ") + datum +
                               " to take as the datum node: the circuit has 3 nodes, numbered 1 to 3.\n");
    }
    // A resistor whose two ends are wired together: one node.
    const std::string single = save("single.kvt", [](CKirvoltDoc& doc) {
        testing::CircuitBuilder c(doc);
        c.resistor(10, 10, ORIENT_EAST, 5);
        c.wire(7, 10, 7, 12);
        c.wire(7, 12, 13, 12);
        c.wire(13, 12, 13, 10);
    });
    EXPECT_EQ(analyse({single, "--datum", "2"}).err,
              "There is no node 2 to take as the datum node: the circuit has 1 node, numbered 1 to 1.\n");
    const Outcome empty = analyse({save("empty.kvt", [](CKirvoltDoc&) {}), "--datum", "3"});
    EXPECT_EQ(empty.status, cli::EXIT_REFUSED);
    EXPECT_EQ(empty.err, "Create your circuit first.\n");
}

TEST_F(AnalyseCommand, RefusedCircuitsGiveTheProgramsMessageAndExitOne)
{
    struct Case {
        const char* what;
        std::function<void(CKirvoltDoc&)> build;
        std::string message;
    };
    const std::vector<Case> cases{
        {"empty circuit", [](CKirvoltDoc&) {}, "Create your circuit first."},
        {"zero EMF",
         [](CKirvoltDoc& doc) {
             testing::NodeCircuit c(doc, 2);
             c.voltageSource(1, 2, 0, "E1");
             c.resistor(1, 2, 5, "R1");
         },
         "Voltage Source E1 has invalid EMF value.\nThe EMF value must not be 0.\n\n"
         "If you wish to have a branch of zero p.d. over there,\n"
         "you may replace the voltage source with a short circuit (a wire)."},
        {"floating part",
         [](CKirvoltDoc& doc) {
             testing::NodeCircuit c(doc, 4);
             c.voltageSource(2, 1, 10, "E1");
             c.resistor(2, 1, 5, "R1");
             c.resistor(3, 4, 5, "R2");
             c.resistor(4, 3, 5, "R3");
         },
         "Nodes 3, 4 have no path through resistors or voltage sources to the datum node 1,\n"
         "so nothing ties their voltages to the datum node and the analysis cannot find them.\n\n"
         "Please connect this part of the circuit to the rest of the circuit through a resistor,\n"
         "a voltage source or a wire, or remove it, then apply the analysis again."},
        {"source shorted by an ammeter",
         [](CKirvoltDoc& doc) {
             testing::CircuitBuilder build(doc);
             build.currentSource(10, 5, ORIENT_EAST, 2);
             build.between(KIND_AMMETER, {13, 5}, {7, 5}, 0);
         },
         "Node 1 is not correctly connected.\n\nAn ideal ammeter joins its terminals as a wire does: the circuit "
         "is analysed with Am1 as a wire."},
    };
    for (const Case& c : cases) {
        const Outcome run = analyse({save("refused.kvt", c.build), "--save", path("never.kvt")});
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_EQ(run.out, "") << c.what;
        EXPECT_EQ(run.err, c.message + "\n") << c.what;
        EXPECT_FALSE(fs::exists(path("never.kvt"))) << c.what;
    }
}

TEST_F(AnalyseCommand, SaveWritesTheAnalysedCircuitAsFileSaveWould)
{
    const std::string input = save("divider.kvt", testing::buildVoltageDivider);
    ASSERT_EQ(analyse({input, "--save", path("analysed.kvt")}).status, 0);

    CKirvoltDoc expected;
    ASSERT_TRUE(loadCircuit(input, expected).ok);
    ASSERT_TRUE(runNodalAnalysis(expected));
    CKirvoltDoc saved;
    ASSERT_TRUE(loadCircuit(path("analysed.kvt"), saved).ok);
    EXPECT_EQ(circuitBytes(saved), circuitBytes(expected));
    EXPECT_EQ(saved.nodesValid, 1);
    EXPECT_EQ(saved.nodeCount, 3);
}

TEST_F(AnalyseCommand, WrongArgumentsAndUnreadableFiles)
{
    const std::string input = save("divider.kvt", testing::buildVoltageDivider);
    for (const cli::Arguments& arguments : std::vector<cli::Arguments>{
             {}, {"--json"}, {input, "--datum"}, {input, "--json", "--json"}, {input, input}, {input, "--verbose"},
             {input, "--save"}}) {
        EXPECT_EQ(analyse(arguments).status, cli::BAD_USAGE) << ::testing::PrintToString(arguments);
    }
    // --datum takes a node's name or number; a word that is neither names no node.
    const Outcome word = analyse({input, "--datum", "2x"});
    EXPECT_EQ(word.status, cli::EXIT_FAILED);
    EXPECT_EQ(word.err, "There is no node 2x to take as the datum node: the circuit has 3 nodes, numbered 1 to 3.\n");
    const Outcome missing = analyse({path("missing.kvt")});
    EXPECT_EQ(missing.status, cli::EXIT_FAILED);
    EXPECT_EQ(missing.err, path("missing.kvt") + " was not found.\n");
}

TEST_F(AnalyseCommand, TheToolExitsWithOneWhenTheAnalysisRefuses)
{
    const std::string input = save("empty.kvt", [](CKirvoltDoc&) {});
    const std::string command = std::string("'") + KIRVOLT_CLI_PATH + "' analyse '" + input + "' 2>/dev/null";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
}

}  // namespace
}  // namespace kirvolt
