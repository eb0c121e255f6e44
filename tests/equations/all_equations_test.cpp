#include <cfloat>

#include <gtest/gtest.h>

#include "analysis/macro_node.h"
#include "equations/all_equations.h"
#include "equations/relation_lines.h"
#include "equations/table_circuit.h"
#include "support/node_circuit.h"
#include "support/scripted_port.h"

namespace kirvolt {
namespace {

using testing::currentSource;
using testing::fillTables;
using testing::resistor;
using testing::voltageSource;

std::string line(const CKirvoltDoc& doc, int node, int number)
{
    return doc.equationText[static_cast<std::size_t>(node)][static_cast<std::size_t>(number)];
}

CComponent& jointOf(CKirvoltDoc& doc, int node)
{
    for (auto& record : doc.components) {
        if (record->kindCode == KIND_JOINT && record->startNode == node) {
            return *record;
        }
    }
    throw std::logic_error("no joint");
}

void setVoltages(CKirvoltDoc& doc, const std::vector<double>& volts)
{
    for (std::size_t k = 1; k < volts.size(); ++k) {
        jointOf(doc, static_cast<int>(k)).startVoltage = volts[k];
    }
}

TEST(VoltageLine, NumberInAFieldOfSixWithTwoDecimals)
{
    EXPECT_EQ(voltageLine("2", 12.0), "V2 =  12.00 Volt.");
    EXPECT_EQ(voltageLine("3", 5.0), "V3 =   5.00 Volt.");
    EXPECT_EQ(voltageLine("3", -12.5), "V3 = -12.50 Volt.");
    EXPECT_EQ(voltageLine("12", 1234.567), "V12 = 1234.57 Volt.");
}

TEST(VoltageLine, LargestDoubleIsWrittenWhole)
{
    const std::string line = voltageLine("4", -DBL_MAX);
    EXPECT_EQ(line.substr(0, 23), "V4 = -17976931348623157");
    EXPECT_EQ(line.size(), 5u + 313u + 6u);
    EXPECT_EQ(line.substr(line.size() - 9), ".00 Volt.");
}

// Nodes 2 and 3 tied by E1 without the datum node 1, node 4 ordinary, node 5 tied to the datum
// by E2.
void fillMixedCircuit(CKirvoltDoc& doc)
{
    fillTables(doc, 5, 1,
               {voltageSource("E1", 5, 3, 2), resistor("R1", 2, 2, 1), resistor("R2", 4, 3, 4),
                currentSource("J1", 1, 1, 2), resistor("R3", 8, 4, 1), voltageSource("E2", 12, 5, 1),
                resistor("R4", 6, 4, 5)});
    setVoltages(doc, {0, 0, 1.5, 6.5, 5.0, 12.0});
}

TEST(WriteAllEquations, EveryKindOfNodeGetsItsLines)
{
    CKirvoltDoc doc;
    fillMixedCircuit(doc);
    doc.equationText.assign(6, {});
    doc.equationText[1][1] = "untouched";
    writeAllEquations(doc);
    EXPECT_EQ(line(doc, 1, 1), "untouched");
    for (int number = 2; number <= 6; ++number) {
        EXPECT_EQ(line(doc, 1, number), "V1 = 0 Volt.") << "line " << number;
    }
    EXPECT_EQ(line(doc, 2, 1), "Nodes 2 and 3 form a macro node through the Voltage Source E1.");
    EXPECT_EQ(line(doc, 2, 5), "(  0.5000 ) * V2 + (  0.2500 ) * V3  - ( 0.2500 ) * V4   =  1.00");
    EXPECT_EQ(line(doc, 2, 6), "V2 =   1.50 Volt.");
    EXPECT_EQ(line(doc, 3, 1), "This node is connected to the first macro node via the Voltage Source  E1.");
    EXPECT_EQ(line(doc, 3, 5), "V3  =  5.00  +  V2");
    EXPECT_EQ(line(doc, 3, 6), "V3 =   6.50 Volt.");
    EXPECT_EQ(line(doc, 4, 1), "Sum of flow-out currents via Resistors R2, R3, R4    =    0    , because no current "
                               "source is connected to Node  4  .");
    EXPECT_EQ(line(doc, 4, 3), "( 1/R2 + 1/R3 + 1/R4  ) * V4 - (1/R2  ) * V3 - (1/R4  ) * V5   =   0");
    EXPECT_EQ(line(doc, 4, 6), "V4 =   5.00 Volt.");
    EXPECT_EQ(line(doc, 5, 1), "This node is directly connected to the datum node via the Voltage Source  E2.");
    EXPECT_EQ(line(doc, 5, 5), "V5  =  12.00V ");
    EXPECT_EQ(line(doc, 5, 6), "V5 =  12.00 Volt.");
}

TEST(WriteAllEquations, VoltageLineNamesTheNodeAsEveryOtherLineDoes)
{
    CKirvoltDoc doc;
    fillMixedCircuit(doc);
    jointOf(doc, 4).label = "A";
    writeAllEquations(doc);
    EXPECT_EQ(line(doc, 4, 6), "VA =   5.00 Volt.");
    EXPECT_EQ(line(doc, 4, 3), "( 1/R2 + 1/R3 + 1/R4  ) * VA - (1/R2  ) * V3 - (1/R4  ) * V5   =   0");
    EXPECT_EQ(line(doc, 2, 3), "(  1/R1  ) * V2 + (  1/R2  ) * V3  - (1/R2  ) * VA   =  J1 ");
}

TEST(WriteAllEquations, TableHoldsExactlyTheNodesOfTheCircuit)
{
    CKirvoltDoc doc;
    doc.equationText.assign(20, {"", "stale"});
    fillMixedCircuit(doc);
    writeAllEquations(doc);
    EXPECT_EQ(doc.equationText.size(), 6u);
}

// A joint placed since the analysis has no node yet; it gets no voltage line and no equation.
TEST(WriteAllEquations, JointWithoutNodeIsPassedOver)
{
    CKirvoltDoc doc;
    fillMixedCircuit(doc);
    doc.AddComponent(std::make_unique<CNode>(Point{40, 40}, 0, DISPLAY_PLACED, doc.gridSize, STYLE_EUROPEAN));
    testing::ScriptedPort port;
    doc.setPort(&port);
    writeAllEquations(doc);
    EXPECT_TRUE(port.events.empty());
    EXPECT_EQ(line(doc, 0, 6), "");
    EXPECT_EQ(line(doc, 5, 6), "V5 =  12.00 Volt.");
}

// A thousand links is a chain like any other; no length of a chain stands for "no chain".
TEST(WriteAllEquations, AChainOfAThousandAndOneSourcesReachesTheDatum)
{
    constexpr int sources = 1001;
    CKirvoltDoc doc;
    testing::NodeCircuit circuit(doc, sources + 1);
    for (int k = 1; k <= sources; ++k) {
        circuit.voltageSource(k + 1, k, 1.0);
    }
    circuit.resistor(sources + 1, 1, 10.0);
    circuit.number(1);
    const int farEnd = sources + 1;
    const SourcePath path = findSourcePath(doc, collectMacroNode(doc, farEnd), farEnd, 1);
    ASSERT_EQ(path.length, sources + 1);
    writeDatumRelation(doc, NodeNames(doc), farEnd, path);
    EXPECT_EQ(doc.equationText[farEnd][5], "V1002  =  1001.00V");
    EXPECT_EQ(doc.equationText[farEnd][1].find("This node is connected to the datum node through the Voltage "
                                               "Sources:  E1001 , E1000 , "),
              0u);
}

// Trees of sources take their chains from the index, not from a search; the lines must be the
// search's, forks, sources in parallel, reversed sources and negative EMFs included.
struct TreeCase {
    const char* name;
    int datum;
};

class TreeOfSources : public ::testing::TestWithParam<TreeCase> {};

TEST_P(TreeOfSources, WritesTheLinesThePathSearchGives)
{
    CKirvoltDoc doc;
    testing::NodeCircuit circuit(doc, 9);
    circuit.voltageSource(2, 3, 5.0);
    circuit.voltageSource(4, 3, -2.5);
    circuit.voltageSource(3, 4, 7.0);
    circuit.voltageSource(4, 3, 1.5);
    circuit.voltageSource(5, 4, 3.0);
    circuit.voltageSource(3, 6, -4.0);
    circuit.voltageSource(7, 6, 9.0);
    for (int k = 2; k <= 9; ++k) {
        circuit.resistor(k, k == 9 ? 1 : k + 1, 10.0 + k);
    }
    circuit.voltageSource(9, 9, 2.0);
    circuit.number(GetParam().datum);
    ASSERT_EQ(writeAllEquations(doc), std::nullopt);
    const NodeNames names(doc);
    const std::vector<int> members = collectMacroNode(doc, 5);
    const int reference = macroNodeReference(doc, members);
    for (int node : members) {
        if (node == reference) {
            continue;
        }
        const auto written = doc.equationText[static_cast<std::size_t>(node)];
        const SourcePath path = findSourcePath(doc, collectMacroNode(doc, node), node, reference);
        if (reference == doc.datumNode) {
            writeDatumRelation(doc, names, node, path);
        } else {
            writeMemberRelation(doc, names, node, reference, path);
        }
        EXPECT_EQ(written, doc.equationText[static_cast<std::size_t>(node)]) << "node " << node;
    }
}

INSTANTIATE_TEST_SUITE_P(Datums, TreeOfSources,
                         ::testing::Values(TreeCase{"DatumOutside", 1}, TreeCase{"DatumAtAFork", 3},
                                           TreeCase{"DatumAtALeaf", 7}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kirvolt
