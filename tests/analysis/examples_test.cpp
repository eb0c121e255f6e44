#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/nodal_solver.h"
#include "document/circuit_file.h"
#include "support/example_circuits.h"
#include "support/ngspice.h"

namespace kirvolt {
namespace {

using testing::ExampleCircuit;
using testing::exampleCircuits;

const std::string DIRECTORY = KIRVOLT_EXAMPLES_DIR;

// The refused examples and the first line of what the analysis says about each.
const std::map<std::string, std::string> REFUSALS = {
    {"floating_circuit.kvt", "Nodes 3, 4 have no path through resistors or voltage sources to the datum node 2,"},
    {"dangling_resistor.kvt", "Node 3 is not correctly connected."},
    {"parallel_sources_equal.kvt", "Ideal Voltage Sources of the same value connected in parallel"},
    {"parallel_sources_different.kvt", "Ideal Voltage Sources  of different values cannot be parallel connected."},
    {"series_current_sources.kvt", "Ideal Current Sources of different values or directions cannot be series"},
};

CKirvoltDoc& opened(const ExampleCircuit& example, CKirvoltDoc& doc)
{
    const FileResult read = loadCircuit(DIRECTORY + "/" + example.fileName, doc);
    EXPECT_TRUE(read.ok) << example.fileName << ": " << read.message;
    return doc;
}

std::string spiceNode(const CKirvoltDoc& doc, int node)
{
    return node == doc.datumNode ? "0" : "n" + std::to_string(node);
}

std::string netlist(const CKirvoltDoc& doc)
{
    std::ostringstream text;
    text.precision(17);
    text << "kirvolt example\n";
    for (const auto& c : doc.components) {
        const char letter = c->kindCode == KIND_RESISTOR ? 'r' : c->kindCode == KIND_VOLTAGE_SOURCE ? 'v' : 'i';
        if (c->kindCode == KIND_RESISTOR || c->kindCode == KIND_VOLTAGE_SOURCE || c->kindCode == KIND_CURRENT_SOURCE) {
            text << letter << c->label << ' ' << spiceNode(doc, c->startNode) << ' ' << spiceNode(doc, c->finishNode)
                 << (c->kindCode == KIND_RESISTOR ? " " : " DC ") << c->value << '\n';
        }
    }
    // ngspice names the values it prints only when it prints more than one; a probe loop of its
    // own, sharing only the ground, makes sure it does.
    text << "vprobe probe 0 DC 1\nrprobe probe 0 1\n";
    text << ".control\nset numdgt=15\nop\nprint all\n.endc\n.end\n";
    return text.str();
}

TEST(Examples, EveryFileIsWhatTheGeneratorWritesAndIsListedInTheIndex)
{
    std::ifstream index(DIRECTORY + "/examples.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(index, line);) {
        if (!line.empty() && line[0] != '#') {
            lines.push_back(line);
        }
    }
    ASSERT_GE(exampleCircuits().size(), 20u);
    ASSERT_EQ(lines.size(), exampleCircuits().size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ExampleCircuit& example = exampleCircuits()[i];
        EXPECT_EQ(lines[i], example.fileName + "\t" + example.title + "\t" + example.description);
        CKirvoltDoc built;
        testing::buildExample(example, built);
        std::ifstream file(DIRECTORY + "/" + example.fileName, std::ios::binary);
        const std::vector<std::uint8_t> stored{std::istreambuf_iterator<char>(file), {}};
        EXPECT_EQ(stored, circuitBytes(built)) << example.fileName << ": run make_examples examples";
    }
}

// The datum is a node of the bottom rail: no joint lies lower than its joints.
TEST(Examples, TheDatumIsAtTheBottom)
{
    for (const ExampleCircuit& example : exampleCircuits()) {
        CKirvoltDoc doc;
        opened(example, doc);
        int lowest = 0;
        int datumY = -1;
        for (const auto& c : doc.components) {
            if (c->kindCode == KIND_JOINT) {
                lowest = std::max(lowest, c->gridPosition.y);
                datumY = c->startNode == doc.datumNode ? std::max(datumY, c->gridPosition.y) : datumY;
            }
        }
        EXPECT_EQ(datumY, lowest) << example.fileName;
    }
}

TEST(Examples, SolvableOnesAgreeWithNgspiceAndTheOthersAreRefusedWithTheirMessage)
{
    int solved = 0;
    for (const ExampleCircuit& example : exampleCircuits()) {
        CKirvoltDoc doc;
        opened(example, doc);
        const int datum = doc.datumNode;
        const AnalysisOutcome outcome = runNodalAnalysis(doc);
        const auto refusal = REFUSALS.find(example.fileName);
        if (refusal != REFUSALS.end()) {
            ASSERT_FALSE(outcome) << example.fileName;
            EXPECT_EQ(outcome.refusal->message.substr(0, outcome.refusal->message.find('\n')), refusal->second)
                << example.fileName;
            continue;
        }
        ASSERT_TRUE(outcome) << example.fileName << ": " << outcome.refusal->message;
        EXPECT_EQ(doc.datumNode, datum) << example.fileName;
        ++solved;
        const std::map<std::string, double> spice = testing::runNgspice(netlist(doc));
        ASSERT_FALSE(spice.empty()) << "ngspice could not be run";
        for (const auto& c : doc.components) {
            if (c->kindCode != KIND_JOINT) {
                continue;
            }
            const auto printed = spice.find(spiceNode(doc, c->startNode));
            ASSERT_TRUE(c->startNode == doc.datumNode || printed != spice.end())
                << example.fileName << " node " << c->startNode << " in\n" << netlist(doc);
            const double expected = c->startNode == doc.datumNode ? 0.0 : printed->second;
            EXPECT_NEAR(c->startVoltage, expected, 1e-9 * std::max(1.0, std::abs(expected)))
                << example.fileName << " node " << c->startNode;
        }
    }
    EXPECT_EQ(solved + static_cast<int>(REFUSALS.size()), static_cast<int>(exampleCircuits().size()));
}

}  // namespace
}  // namespace kirvolt
