#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "analysis/nodal_solver.h"
#include "ngspice_agreement.h"
#include "random_netlists.h"
#include "spice/circuit_layout.h"
#include "spice/spice_reader.h"
#include "support/layout_check.h"
#include "support/ngspice.h"

namespace kirvolt {
namespace {

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

int nodeIndex(const Netlist& netlist, const std::string& name)
{
    if (name == "0") {
        return 0;
    }
    for (std::size_t k = 0; k < netlist.nodes.size(); ++k) {
        if (lowered(netlist.nodes[k]) == lowered(name)) {
            return static_cast<int>(k);
        }
    }
    return -1;
}

TEST(NetlistImport, RandomNetlistsOfUpToSixtyElementsSolveAsNgspiceSolvesThem)
{
    testing::CircuitGenerator generator(2016u);
    std::mt19937 random(61u);
    int solved = 0;
    std::size_t largest = 0;
    while (solved < 100) {
        const testing::RandomCircuit circuit = generator.next(generator.between(2, 32));
        if (circuit.parts.size() > 60) {
            continue;
        }
        const testing::RandomNetlist written = testing::writeRandomNetlist(circuit, random);
        const NetlistReading reading = readSpiceNetlist(written.text);
        ASSERT_TRUE(reading.netlist) << reading.message << "\n" << written.text;
        const Netlist& netlist = *reading.netlist;
        CKirvoltDoc doc;
        const CircuitLayout layout = layoutCircuit(netlist, doc);
        ASSERT_FALSE(layout.refusal) << written.text;
        const std::vector<std::string> faults = testing::drawingFaults(doc, netlist, layout);
        EXPECT_TRUE(faults.empty()) << written.text << (faults.empty() ? "" : faults.front());
        if (!runNodalAnalysis(doc)) {
            continue;  // two current sources in series, which the rules refuse
        }
        ++solved;
        largest = std::max(largest, circuit.parts.size());

        const std::map<std::string, double> printed = testing::runNgspiceOperatingPoint(written.text);
        ASSERT_FALSE(printed.empty()) << "ngspice could not be run";
        double scale = 0;
        for (const auto& [name, value] : printed) {
            scale = std::max(scale, std::abs(value));
        }
        for (const std::string& name : written.nodeNames) {
            const int index = nodeIndex(netlist, name);
            ASSERT_GE(index, 0) << name;
            const std::optional<double> spice = testing::ngspiceVoltage(printed, name);
            ASSERT_TRUE(spice) << name << "\n" << written.text;
            testing::expectClose(testing::nodeVoltage(doc, layout.nodeNumbers[static_cast<std::size_t>(index)]), *spice,
                                 scale, name + " in\n" + written.text);
        }
        for (std::size_t k = 0; k < circuit.parts.size(); ++k) {
            if (circuit.parts[k].kind == KIND_VOLTAGE_SOURCE) {
                const std::string key = lowered(written.partNames[k]) + "#branch";
                ASSERT_TRUE(printed.count(key)) << key;
                testing::expectClose(doc.components[k]->current, printed.at(key), scale, key + " in\n" + written.text);
            }
        }
    }
    EXPECT_GE(largest, 50u);
}

// Names keep their letters whatever the script, and however the netlist names its elements no
// two of them share a name; a netlist of more elements than any drawing holds is refused
// before it is drawn.
TEST(NetlistImport, EveryElementKeepsANameOfItsOwn)
{
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"names\nR\xC3\xA9" "1 1 0 1\nR1 1 0 2\nV1 1 0 3\n", {"R\xC3\xA9" "1", "R1", "E1"}},
        {"names\nRR1 1 0 1\nR1 1 0 2\nRR2 1 0 3\nR2 1 0 4\nVE1 1 0 5\n", {"R1", "R1_2", "R2", "R2_2", "E1"}},
        {"names\nR\xFF 1 0 1\nR1 1 0 2\nI1 0 1 1\n", {"R2", "R1", "J1"}},
    };
    for (const auto& [text, names] : cases) {
        const NetlistReading reading = readSpiceNetlist(text);
        ASSERT_TRUE(reading.netlist) << reading.message;
        CKirvoltDoc doc;
        ASSERT_FALSE(layoutCircuit(*reading.netlist, doc).refusal);
        std::vector<std::string> drawn;
        for (std::size_t i = 0; i < names.size(); ++i) {
            drawn.push_back(doc.components[i]->label);
            EXPECT_EQ(doc.components[i]->name, doc.components[i]->label);
        }
        EXPECT_EQ(drawn, names) << text;
        EXPECT_TRUE(runNodalAnalysis(doc)) << text;
    }
    std::string large = "large\n";
    for (int i = 1; i <= MOST_NETLIST_ELEMENTS + 1; ++i) {
        large += "R" + std::to_string(i) + " " + std::to_string(i) + " 0 1\n";
    }
    EXPECT_EQ(readSpiceNetlist(large).message, TOO_LARGE_TO_DRAW);
    const NetlistReading smaller = readSpiceNetlist(large.substr(0, large.rfind("R")));
    ASSERT_TRUE(smaller.netlist);
    CKirvoltDoc doc;
    EXPECT_EQ(layoutCircuit(*smaller.netlist, doc).refusal, std::string(TOO_LARGE_TO_DRAW));
}

}  // namespace
}  // namespace kirvolt
