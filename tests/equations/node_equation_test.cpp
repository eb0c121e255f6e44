#include <gtest/gtest.h>

#include "equations/node_equation.h"
#include "equations/table_circuit.h"

namespace kirvolt {
namespace {

using testing::currentSource;
using testing::fillTables;
using testing::resistor;

std::string line(const CKirvoltDoc& doc, int node, int number)
{
    return doc.equationText[static_cast<std::size_t>(node)][static_cast<std::size_t>(number)];
}

// Node 1: R1 (2 ohm) to node 2, R2 (4 ohm) to the datum node 3, J1 (3 A) into node 1.
void fillWorkedExample(CKirvoltDoc& doc, bool withLeavingSource)
{
    std::vector<testing::BranchRow> rows = {resistor("R1", 2, 1, 2), resistor("R2", 4, 1, 3),
                                            currentSource("J1", 3, 3, 1), resistor("R3", 5, 2, 3)};
    if (withLeavingSource) {
        rows.push_back(currentSource("J2", 1, 1, 3));
    }
    fillTables(doc, 3, 3, rows);
}

TEST(WriteNodeEquation, WorkedExample)
{
    CKirvoltDoc doc;
    fillWorkedExample(doc, false);
    writeNodeEquation(doc, NodeNames(doc), 1);
    EXPECT_EQ(line(doc, 1, 1),
              "Sum of flow-out currents via Resistors R1, R2    =    Flow-in current from Current Source J1.");
    EXPECT_EQ(line(doc, 1, 2), " ( V1 -  V2 ) * ( 1/R1  ) + ( V1 -  0 ) * ( 1/R2  )   =  J1 ");
    EXPECT_EQ(line(doc, 1, 3), "( 1/R1 + 1/R2  ) * V1 - (1/R1  ) * V2   =  J1 ");
    EXPECT_EQ(line(doc, 1, 4), "( 1/2.00 + 1/4.00  ) * V1 - (1/2.00  ) * V2   =  3.00 ");
    EXPECT_EQ(line(doc, 1, 5), "( 0.7500 ) * V1 - (0.5000 ) * V2   =  3.00");
    EXPECT_EQ(line(doc, 1, 6), "");
}

TEST(WriteNodeEquation, WorkedExampleWithALeavingSource)
{
    CKirvoltDoc doc;
    fillWorkedExample(doc, true);
    writeNodeEquation(doc, NodeNames(doc), 1);
    EXPECT_EQ(line(doc, 1, 1),
              "Sum of flow-out currents via Resistors R1, R2    =    Sum of flow-in currents from Current "
              "Sources J1, J2.  (Note that J2 is negative because its direction is opposite to the assumed "
              "direction. )");
    EXPECT_EQ(line(doc, 1, 2), " ( V1 -  V2 ) * ( 1/R1  ) + ( V1 -  0 ) * ( 1/R2  )   =  J1 +  ( -J2 ) ");
    EXPECT_EQ(line(doc, 1, 3), "( 1/R1 + 1/R2  ) * V1 - (1/R1  ) * V2   =  J1 +  ( -J2 ) ");
    EXPECT_EQ(line(doc, 1, 4), "( 1/2.00 + 1/4.00  ) * V1 - (1/2.00  ) * V2   =  3.00 +  ( -1.00 ) ");
    EXPECT_EQ(line(doc, 1, 5), "( 0.7500 ) * V1 - (0.5000 ) * V2   =  2.00");
}

TEST(WriteNodeEquation, NodeWithoutCurrentSources)
{
    CKirvoltDoc doc;
    fillWorkedExample(doc, false);
    writeNodeEquation(doc, NodeNames(doc), 2);
    EXPECT_EQ(line(doc, 2, 1), "Sum of flow-out currents via Resistors R1, R3    =    0    , because no current "
                               "source is connected to Node  2  .");
    EXPECT_EQ(line(doc, 2, 2), " ( V2 -  V1 ) * ( 1/R1  ) + ( V2 -  0 ) * ( 1/R3  )   =   0");
    EXPECT_EQ(line(doc, 2, 3), "( 1/R1 + 1/R3  ) * V2 - (1/R1  ) * V1   =   0");
    EXPECT_EQ(line(doc, 2, 4), "( 1/2.00 + 1/5.00  ) * V2 - (1/2.00  ) * V1   =   0");
    EXPECT_EQ(line(doc, 2, 5), "( 0.7000 ) * V2 - (0.5000 ) * V1   =   0");
}

TEST(NodeWordsLine, OneResistorOrNone)
{
    CKirvoltDoc doc;
    fillTables(doc, 3, 3, {resistor("R1", 2, 1, 3), currentSource("J1", 1, 3, 2), currentSource("J2", 1, 2, 1)});
    EXPECT_EQ(nodeWordsLine(doc, NodeNames(doc), 1), "Flow-out currents via Resistor R1    =    Flow-in current from Current Source J2.");
    EXPECT_EQ(nodeWordsLine(doc, NodeNames(doc), 2),
              "Sum of flow-out currents via Resistors     =    Sum of flow-in currents from Current Sources J1, "
              "J2.  (Note that J2 is negative because its direction is opposite to the assumed direction. )");
}

TEST(WriteNodeEquation, ParallelResistorsGiveOneTerm)
{
    CKirvoltDoc doc;
    fillTables(doc, 3, 3,
               {resistor("R1", 2, 1, 2), resistor("R2", 4, 1, 3), resistor("R3", 8, 2, 1), currentSource("J1", 1, 3, 1)});
    writeNodeEquation(doc, NodeNames(doc), 1);
    EXPECT_EQ(line(doc, 1, 1),
              "Sum of flow-out currents via Resistors R1, R2, R3    =    Flow-in current from Current Source J1.");
    EXPECT_EQ(line(doc, 1, 2), " ( V1 -  V2 ) * ( 1/R1 + 1/R3  ) + ( V1 -  0 ) * ( 1/R2  )   =  J1 ");
    EXPECT_EQ(line(doc, 1, 3), "( 1/R1 + 1/R2 + 1/R3  ) * V1 - (1/R1 + 1/R3  ) * V2   =  J1 ");
    EXPECT_EQ(line(doc, 1, 4), "( 1/2.00 + 1/4.00 + 1/8.00  ) * V1 - (1/2.00 + 1/8.00  ) * V2   =  1.00 ");
    EXPECT_EQ(line(doc, 1, 5), "( 0.8750 ) * V1 - (0.6250 ) * V2   =  1.00");
}

TEST(WriteNodeEquation, ResistorsOnlyToTheDatumGiveNoMutualTerm)
{
    CKirvoltDoc doc;
    fillTables(doc, 2, 1, {resistor("R1", 0.25, 2, 1), resistor("R2", 0.125, 1, 2), currentSource("J1", 6, 1, 2)});
    writeNodeEquation(doc, NodeNames(doc), 2);
    EXPECT_EQ(line(doc, 2, 2), "( V2 -  0 ) * ( 1/R1 + 1/R2  )   =  J1 ");
    EXPECT_EQ(line(doc, 2, 3), "( 1/R1 + 1/R2  ) * V2  =  J1 ");
    EXPECT_EQ(line(doc, 2, 4), "( 1/0.250 + 1/0.125  ) * V2  =  6.00 ");
    EXPECT_EQ(line(doc, 2, 5), "( 12.00 ) * V2  =  6.00");
}

TEST(WriteNodeEquation, AllSourcesLeavingTheNode)
{
    CKirvoltDoc doc;
    fillTables(doc, 2, 2,
               {resistor("R1", 1, 1, 2), currentSource("J1", 2, 1, 2), currentSource("J2", 0.5, 1, 2),
                currentSource("J3", 4, 1, 2)});
    writeNodeEquation(doc, NodeNames(doc), 1);
    EXPECT_EQ(line(doc, 1, 1),
              "Flow-out currents via Resistor R1    =    Sum of flow-in currents from Current Sources J1, J2, J3."
              "  (Note that J1, J2, J3 are negative as thier directions are opposite to the assumed direction.)");
    EXPECT_EQ(line(doc, 1, 3), "( 1/R1  ) * V1  =   ( -J1 ) +  ( -J2 ) +  ( -J3 ) ");
    EXPECT_EQ(line(doc, 1, 4), "( 1/1.00  ) * V1  =   ( -2.00 ) +  ( -0.500 ) +  ( -4.00 ) ");
    EXPECT_EQ(line(doc, 1, 5), "( 1.000 ) * V1  =  -6.50");
}

TEST(WriteNodeEquation, NodeWithoutJointIsNamedError)
{
    CKirvoltDoc doc;
    fillTables(doc, 3, 3, {resistor("R1", 2, 1, 2), resistor("R2", 4, 1, 3), currentSource("J1", 3, 3, 1)}, {2});
    writeNodeEquation(doc, NodeNames(doc), 1);
    EXPECT_EQ(line(doc, 1, 2), " ( V1 -  Verror ) * ( 1/R1  ) + ( V1 -  0 ) * ( 1/R2  )   =  J1 ");
    EXPECT_EQ(line(doc, 1, 5), "( 0.7500 ) * V1 - (0.5000 ) * Verror   =  3.00");
    writeNodeEquation(doc, NodeNames(doc), 2);
    EXPECT_EQ(line(doc, 2, 1), "Flow-out currents via Resistor R1    =    0    , because no current source is "
                               "connected to Node  error  .");
}

// A resistor whose ends lie on one node carries no current; line 1 still names it.
TEST(WriteNodeEquation, ResistorWithBothEndsOnTheNodeIsLeftOut)
{
    CKirvoltDoc doc;
    fillTables(doc, 3, 3,
               {resistor("R1", 2, 1, 2), resistor("R2", 4, 1, 3), resistor("R9", 1, 1, 1), currentSource("J1", 3, 3, 1)});
    writeNodeEquation(doc, NodeNames(doc), 1);
    EXPECT_EQ(line(doc, 1, 1),
              "Sum of flow-out currents via Resistors R1, R2, R9    =    Flow-in current from Current Source J1.");
    EXPECT_EQ(line(doc, 1, 2), " ( V1 -  V2 ) * ( 1/R1  ) + ( V1 -  0 ) * ( 1/R2  )   =  J1 ");
    EXPECT_EQ(line(doc, 1, 3), "( 1/R1 + 1/R2  ) * V1 - (1/R1  ) * V2   =  J1 ");
    EXPECT_EQ(line(doc, 1, 4), "( 1/2.00 + 1/4.00  ) * V1 - (1/2.00  ) * V2   =  3.00 ");
    EXPECT_EQ(line(doc, 1, 5), "( 0.7500 ) * V1 - (0.5000 ) * V2   =  3.00");
}

// A current source whose ends meet drives its current round itself, none of it into the node.
TEST(WriteNodeEquation, CurrentSourceWithBothEndsOnTheNodeIsLeftOut)
{
    CKirvoltDoc doc;
    fillTables(doc, 3, 3,
               {resistor("R1", 2, 1, 2), resistor("R2", 4, 1, 3), currentSource("J1", 3, 3, 1), currentSource("J2", 5, 1, 1)});
    writeNodeEquation(doc, NodeNames(doc), 1);
    EXPECT_EQ(line(doc, 1, 1), "Sum of flow-out currents via Resistors R1, R2    =    Sum of flow-in currents from "
                               "Current Sources J1, J2.");
    EXPECT_EQ(line(doc, 1, 3), "( 1/R1 + 1/R2  ) * V1 - (1/R1  ) * V2   =  J1 ");
    EXPECT_EQ(line(doc, 1, 5), "( 0.7500 ) * V1 - (0.5000 ) * V2   =  3.00");
}

}  // namespace
}  // namespace kirvolt
