#include <gtest/gtest.h>

#include "analysis/macro_node.h"
#include "equations/relation_lines.h"
#include "equations/table_circuit.h"

namespace kirvolt {
namespace {

using testing::fillTables;
using testing::resistor;
using testing::voltageSource;

std::array<std::string, 6> lines(const CKirvoltDoc& doc, int node)
{
    const auto& row = doc.equationText[static_cast<std::size_t>(node)];
    return {row[1], row[2], row[3], row[4], row[5], row[6]};
}

SourcePath pathOf(CKirvoltDoc& doc, int from, int to)
{
    return findSourcePath(doc, collectMacroNode(doc, from), from, to);
}

struct DatumRelationCase {
    const char* title;
    std::vector<testing::BranchRow> branches;
    int node;
    std::array<const char*, 5> expected;  // lines 1 to 5
};

void PrintTo(const DatumRelationCase& c, std::ostream* os)
{
    *os << c.title;
}

class WriteDatumRelationTest : public ::testing::TestWithParam<DatumRelationCase> {};

TEST_P(WriteDatumRelationTest, WritesTheRelationLines)
{
    const DatumRelationCase& c = GetParam();
    CKirvoltDoc doc;
    fillTables(doc, 3, 1, c.branches);
    writeDatumRelation(doc, NodeNames(doc), c.node, pathOf(doc, c.node, 1));
    const auto written = lines(doc, c.node);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(written[i], c.expected[i]) << c.title << ", line " << i + 1;
    }
    EXPECT_EQ(written[5], "") << c.title;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, WriteDatumRelationTest,
    ::testing::Values(
        DatumRelationCase{"E1 with + at node 2",
                          {voltageSource("E1", 12, 2, 1), resistor("R1", 6, 2, 3), resistor("R2", 6, 3, 1)},
                          2,
                          {"This node is directly connected to the datum node via the Voltage Source  E1.",
                           "V2  =  E1 ", "V2  =  E1 ", "V2  =  12.00V ", "V2  =  12.00V "}},
        DatumRelationCase{"E1 with + at the datum node",
                          {voltageSource("E1", 12, 1, 2), resistor("R1", 6, 2, 3), resistor("R2", 6, 3, 1)},
                          2,
                          {"This node is directly connected to the datum node via the Voltage Source  E1.",
                           "V2  =   ( -E1 ) ", "V2  =   ( -E1 ) ", "V2  =   ( -12.00V ) ", "V2  =  -12.00V"}},
        DatumRelationCase{"a chain of E1 and E2",
                          {voltageSource("E1", 5, 3, 2), voltageSource("E2", 12, 2, 1), resistor("R1", 6, 3, 1)},
                          3,
                          {"This node is connected to the datum node through the Voltage Sources:  E1 , E2 .",
                           "V3  =  E1 + E2 ", "V3  =  E1 + E2 ", "V3  =  5.00V + 12.00V ", "V3  =  17.00V"}},
        DatumRelationCase{"a chain crossing E1 against its polarity",
                          {voltageSource("E1", 5, 2, 3), voltageSource("E2", 12, 2, 1), resistor("R1", 6, 3, 1)},
                          3,
                          {"This node is connected to the datum node through the Voltage Sources:  E1 , E2 .",
                           "V3  =   ( -E1 ) + E2 ", "V3  =   ( -E1 ) + E2 ", "V3  =   ( -5.00V ) + 12.00V ",
                           "V3  =  7.00V"}},
        // V2 = -E1 = 12 V: the name keeps the sign of the crossing, the number its own.
        DatumRelationCase{"a negative EMF with + at the datum node",
                          {voltageSource("E1", -12, 1, 2), resistor("R1", 6, 2, 3), resistor("R2", 6, 3, 1)},
                          2,
                          {"This node is directly connected to the datum node via the Voltage Source  E1.",
                           "V2  =   ( -E1 ) ", "V2  =   ( -E1 ) ", "V2  =  12.00V ", "V2  =  12.00V "}},
        DatumRelationCase{"a negative EMF with + at node 2",
                          {voltageSource("E1", -12, 2, 1), resistor("R1", 6, 2, 3), resistor("R2", 6, 3, 1)},
                          2,
                          {"This node is directly connected to the datum node via the Voltage Source  E1.",
                           "V2  =   ( +E1 ) ", "V2  =   ( +E1 ) ", "V2  =   ( -12.00V ) ", "V2  =  -12.00V"}}));

TEST(WriteMemberRelation, SourceAgainstThePathDirection)
{
    CKirvoltDoc doc;
    fillTables(doc, 4, 1, {voltageSource("E1", 5, 2, 3), resistor("R1", 2, 2, 1), resistor("R2", 4, 3, 4),
                           resistor("R3", 4, 4, 1)});
    writeMemberRelation(doc, NodeNames(doc), 3, 2, pathOf(doc, 3, 2));
    EXPECT_EQ(lines(doc, 3), (std::array<std::string, 6>{
                                 "This node is connected to the first macro node via the Voltage Source  E1.",
                                 "V3  =   ( -E1 )  +  V2", "V3  =   ( -E1 )  +  V2", "V3  =   ( -5.00 )  +  V2",
                                 "V3  =  -5.00  +  V2", ""}));
}

TEST(WriteMemberRelation, ChainOfSources)
{
    CKirvoltDoc doc;
    fillTables(doc, 5, 1, {voltageSource("E1", 5, 2, 3), voltageSource("E2", 1.5, 4, 3), resistor("R1", 2, 2, 1),
                           resistor("R2", 4, 4, 5), resistor("R3", 4, 5, 1)});
    writeMemberRelation(doc, NodeNames(doc), 4, 2, pathOf(doc, 4, 2));
    EXPECT_EQ(lines(doc, 4), (std::array<std::string, 6>{
                                 "This node is connected to the first macro node through the Voltage Sources:  E2 , E1 .",
                                 "V4  =  E2  +   ( -E1 )  +  V2", "V4  =  E2  +   ( -E1 )  +  V2",
                                 "V4  =  1.50  +   ( -5.00 )  +  V2", "V4  =  -3.50  +  V2", ""}));
}

// Without a path there is no relation to show; nothing from an earlier circuit stays under the
// error.
TEST(RelationLines, PathOfFewerThanTwoNodesIsAnError)
{
    for (int length : {0, 1}) {
        CKirvoltDoc doc;
        fillTables(doc, 3, 1, {voltageSource("E1", 5, 2, 3), resistor("R1", 2, 2, 1)});
        SourcePath path;
        path.length = length;
        path.nodes.assign(2, 2);
        path.emfs.assign(2, 0.0);
        path.texts.assign(2, "");
        doc.equationText.assign(4, {"", "old 1", "old 2", "old 3", "old 4", "old 5", "old 6"});
        writeDatumRelation(doc, NodeNames(doc), 2, path);
        writeMemberRelation(doc, NodeNames(doc), 3, 2, path);
        for (int node : {2, 3}) {
            EXPECT_EQ(lines(doc, node), (std::array<std::string, 6>{"Error in calculation", "", "", "", "", "old 6"}))
                << "path of " << length << ", node " << node;
        }
    }
}

}  // namespace
}  // namespace kirvolt
