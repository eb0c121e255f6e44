#include <gtest/gtest.h>

#include "analysis/macro_node.h"
#include "equations/all_equations.h"
#include "equations/macro_equation.h"
#include "equations/table_circuit.h"

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

// Nodes 2 and 3 tied by E1 (5 V, + at node 3), datum node 1; R1 (2 ohm) from node 2 to the
// datum, R2 (4 ohm) from node 3 to node 4, J1 (1 A) into node 2.
std::vector<testing::BranchRow> workedExample()
{
    return {voltageSource("E1", 5, 3, 2), resistor("R1", 2, 2, 1), resistor("R2", 4, 3, 4),
            currentSource("J1", 1, 1, 2), resistor("R3", 8, 4, 1)};
}

TEST(WriteMacroEquation, WorkedExample)
{
    CKirvoltDoc doc;
    fillTables(doc, 4, 1, workedExample());
    const std::vector<int> members = collectMacroNode(doc, 2);
    ASSERT_EQ(members, (std::vector<int>{2, 3}));
    writeMacroEquation(doc, NodeNames(doc), members, 2);
    EXPECT_EQ(line(doc, 2, 1), "Nodes 2 and 3 form a macro node through the Voltage Source E1.");
    EXPECT_EQ(line(doc, 2, 2), "( V2 - 0 ) * ( 1/R1  ) +  ( V3 -  V4 ) * ( 1/R2  )   =  J1 ");
    EXPECT_EQ(line(doc, 2, 3), "(  1/R1  ) * V2 + (  1/R2  ) * V3  - (1/R2  ) * V4   =  J1 ");
    EXPECT_EQ(line(doc, 2, 4), "(  1/2.00  ) * V2 + (  1/4.00  ) * V3  - (1/4.00  ) * V4   =  1.00 ");
    EXPECT_EQ(line(doc, 2, 5), "(  0.5000 ) * V2 + (  0.2500 ) * V3  - ( 0.2500 ) * V4   =  1.00");
}

TEST(WriteMacroEquation, OtherMemberGetsRelationLines)
{
    CKirvoltDoc doc;
    fillTables(doc, 4, 1, workedExample());
    writeMacroNodeText(doc, NodeNames(doc), collectMacroNode(doc, 3), 3);
    EXPECT_EQ(line(doc, 3, 1), "This node is connected to the first macro node via the Voltage Source  E1.");
    EXPECT_EQ(line(doc, 3, 2), "V3  =  E1  +  V2");
    EXPECT_EQ(line(doc, 3, 3), "V3  =  E1  +  V2");
    EXPECT_EQ(line(doc, 3, 4), "V3  =  5.00  +  V2");
    EXPECT_EQ(line(doc, 3, 5), "V3  =  5.00  +  V2");
}

TEST(WriteMacroEquation, WithoutCurrentSourcesTheRightSidesAreZero)
{
    CKirvoltDoc doc;
    fillTables(doc, 4, 1, {voltageSource("E1", 5, 3, 2), resistor("R1", 2, 2, 1), resistor("R2", 4, 3, 4),
                           resistor("R3", 8, 4, 1)});
    writeMacroEquation(doc, NodeNames(doc), collectMacroNode(doc, 2), 2);
    EXPECT_EQ(line(doc, 2, 2), "( V2 - 0 ) * ( 1/R1  ) +  ( V3 -  V4 ) * ( 1/R2  )   =   0 ");
    EXPECT_EQ(line(doc, 2, 3), "(  1/R1  ) * V2 + (  1/R2  ) * V3  - (1/R2  ) * V4   =   0");
    EXPECT_EQ(line(doc, 2, 4), "(  1/2.00  ) * V2 + (  1/4.00  ) * V3  - (1/4.00  ) * V4   =   0");
    EXPECT_EQ(line(doc, 2, 5), "(  0.5000 ) * V2 + (  0.2500 ) * V3  - ( 0.2500 ) * V4   =   0");
}

TEST(WriteMacroEquation, SourcesOfEveryMemberWithTheirSigns)
{
    CKirvoltDoc doc;
    fillTables(doc, 4, 1, {voltageSource("E1", 5, 3, 2), resistor("R1", 2, 2, 1), resistor("R2", 4, 3, 4),
                           currentSource("J1", 1, 1, 2), resistor("R3", 8, 4, 1), currentSource("J2", 0.5, 3, 4),
                           currentSource("J3", 2, 3, 2)});
    const std::vector<int> members = collectMacroNode(doc, 2);
    writeMacroEquation(doc, NodeNames(doc), members, 2);
    EXPECT_EQ(line(doc, 2, 2), "( V2 - 0 ) * ( 1/R1  ) +  ( V3 -  V4 ) * ( 1/R2  )   =  J1 + J3 +  ( - J2 ) +  ( - J3 ) ");
    EXPECT_EQ(line(doc, 2, 3), "(  1/R1  ) * V2 + (  1/R2  ) * V3  - (1/R2  ) * V4   =  J1 + J3 +  ( -J2 ) +  ( -J3 ) ");
    EXPECT_EQ(line(doc, 2, 4),
              "(  1/2.00  ) * V2 + (  1/4.00  ) * V3  - (1/4.00  ) * V4   =  1.00 + 2.00 +  ( -0.500 ) +  ( -2.00 ) ");
    EXPECT_EQ(line(doc, 2, 5), "(  0.5000 ) * V2 + (  0.2500 ) * V3  - ( 0.2500 ) * V4   =  0.50");
}

TEST(WriteMacroEquation, ParallelResistorsAndSharedOutsideNodes)
{
    CKirvoltDoc doc;
    fillTables(doc, 4, 1, {voltageSource("E1", 5, 3, 2), resistor("R1", 2, 2, 4), resistor("R2", 4, 3, 4),
                           resistor("R3", 8, 4, 2), resistor("R4", 1, 4, 1)});
    writeMacroEquation(doc, NodeNames(doc), collectMacroNode(doc, 2), 2);
    EXPECT_EQ(line(doc, 2, 2), " ( V2 -  V4 ) * ( 1/R1 + 1/R3  ) +  ( V3 -  V4 ) * ( 1/R2  )   =   0 ");
    EXPECT_EQ(line(doc, 2, 3), "(  1/R1 + 1/R3  ) * V2 + (  1/R2  ) * V3  - (1/R1 + 1/R2 + 1/R3  ) * V4   =   0");
    EXPECT_EQ(line(doc, 2, 5), "(  0.6250 ) * V2 + (  0.2500 ) * V3  - ( 0.8750 ) * V4   =   0");
}

TEST(WriteMacroEquation, ThreeMembersAndTwoSourcesAreNamedInLineOne)
{
    CKirvoltDoc doc;
    fillTables(doc, 5, 1, {voltageSource("E1", 5, 3, 2), voltageSource("E2", 3, 4, 3), resistor("R1", 2, 2, 1),
                           resistor("R2", 4, 4, 5), resistor("R3", 4, 5, 1)});
    writeMacroEquation(doc, NodeNames(doc), collectMacroNode(doc, 4), 4);
    EXPECT_EQ(line(doc, 4, 1), "Nodes 2, 3 and 4 form a macro node through the Voltage Sources E1 and E2.");
}

// A resistor between two members carries no current out of the macro node.
TEST(WriteMacroEquation, ResistorInsideTheMacroNodeIsLeftOut)
{
    CKirvoltDoc doc;
    std::vector<testing::BranchRow> rows = workedExample();
    rows.push_back(resistor("R4", 10, 2, 3));
    rows.push_back(resistor("R5", 10, 3, 3));
    fillTables(doc, 4, 1, rows);
    writeMacroEquation(doc, NodeNames(doc), collectMacroNode(doc, 2), 2);
    EXPECT_EQ(line(doc, 2, 2), "( V2 - 0 ) * ( 1/R1  ) +  ( V3 -  V4 ) * ( 1/R2  )   =  J1 ");
    EXPECT_EQ(line(doc, 2, 3), "(  1/R1  ) * V2 + (  1/R2  ) * V3  - (1/R2  ) * V4   =  J1 ");
    EXPECT_EQ(line(doc, 2, 4), "(  1/2.00  ) * V2 + (  1/4.00  ) * V3  - (1/4.00  ) * V4   =  1.00 ");
    EXPECT_EQ(line(doc, 2, 5), "(  0.5000 ) * V2 + (  0.2500 ) * V3  - ( 0.2500 ) * V4   =  1.00");
}

TEST(WriteMacroEquation, MemberWithOnlyInsideResistorsContributesNoSelfPart)
{
    CKirvoltDoc doc;
    fillTables(doc, 3, 1, {voltageSource("E1", 5, 3, 2), resistor("R1", 2, 2, 1), resistor("R2", 4, 3, 2),
                           currentSource("J1", 1, 1, 3)});
    writeMacroEquation(doc, NodeNames(doc), collectMacroNode(doc, 2), 2);
    EXPECT_EQ(line(doc, 2, 2), "( V2 - 0 ) * ( 1/R1  )   =  J1 ");
    EXPECT_EQ(line(doc, 2, 3), "(  1/R1  ) * V2   =  J1 ");
    EXPECT_EQ(line(doc, 2, 5), "(  0.5000 ) * V2   =  1.00");
}

}  // namespace
}  // namespace kirvolt
