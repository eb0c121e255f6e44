#include <gtest/gtest.h>

#include "support/node_circuit.h"
#include "tutoring/datum_choice.h"

namespace kirvolt {
namespace {

using testing::NodeCircuit;

TEST(DatumChoice, ChoosingANodeListsTheOthersWithOneTrailingBlank)
{
    const DatumCandidates candidates{{1, 2, 3}, {"1", "2", "3"}};
    struct Case {
        int choice;
        const char* chosen;
        const char* others;
    };
    for (const Case& c : {Case{0, "1", "2 , 3 "}, Case{1, "2", "1 , 3 "}, Case{2, "3", "1 , 2 "}}) {
        const DatumChoiceTexts texts = describeDatumChoice(candidates, c.choice);
        EXPECT_EQ(texts.chosenName, c.chosen);
        EXPECT_EQ(texts.otherNames, c.others);
        EXPECT_EQ(texts.equationCount, 2);
    }
}

TEST(DatumChoice, SingleNodeLeavesNoOtherNodesAndNoEquations)
{
    const DatumChoiceTexts texts = describeDatumChoice({{1}, {"1"}}, 0);
    EXPECT_EQ(texts.chosenName, "1");
    EXPECT_EQ(texts.otherNames, "");
    EXPECT_EQ(texts.equationCount, 0);
}

TEST(DatumChoice, CandidatesAreTheNodeListNamedByTheirFirstJoint)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 3);
    circuit.resistor(1, 2, 10);
    circuit.resistor(2, 3, 10);
    circuit.currentSource(3, 1, 1);
    circuit.number(1);
    doc.components[1]->label = "top";

    const DatumCandidates candidates = datumCandidates(doc);
    EXPECT_EQ(candidates.nodes, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(candidates.names, (std::vector<std::string>{"1", "top", "3"}));
}

TEST(DatumChoice, NodeWithoutAJointIsCalledError)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 2);
    circuit.resistor(1, 2, 10);
    circuit.currentSource(2, 1, 1);
    circuit.number(1);
    doc.RemoveComponent(doc.components[0].get());

    EXPECT_EQ(datumCandidates(doc).names, (std::vector<std::string>{"error", "2"}));
}

// A node that only wires reach is not in the node list; its entry stands for no node and
// the choice still names the node the student picked.
TEST(DatumChoice, WireOnlyNodeDoesNotShiftTheChosenNode)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 3);
    circuit.resistor(1, 3, 10);
    circuit.currentSource(3, 1, 1);
    circuit.wire(2);
    circuit.number(1);

    const DatumCandidates candidates = datumCandidates(doc);
    EXPECT_EQ(candidates.nodes, (std::vector<int>{1, 3, 0}));
    const DatumChoiceTexts texts = describeDatumChoice(candidates, 1);
    EXPECT_EQ(texts.chosenName, "3");
    EXPECT_EQ(texts.otherNames, "1 , error ");
}

}  // namespace
}  // namespace kirvolt
