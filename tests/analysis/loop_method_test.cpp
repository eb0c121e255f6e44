#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "analysis/branch_tables.h"
#include "analysis/disjoint_sets.h"
#include "analysis/loop_method.h"
#include "analysis/nodal_solver.h"
#include "support/example_circuits.h"
#include "support/lattice_circuits.h"
#include "support/random_circuits.h"
#include "support/same_results.h"

namespace kirvolt {
namespace {

// A spanning tree of the numbered circuit's resistors and voltage sources, taken in a random
// order as long as each closes no loop: any tree the method must accept.
std::vector<std::string> randomTree(const CKirvoltDoc& doc, std::mt19937& random)
{
    std::vector<int> branches;
    for (int b = 1; b <= numberedBranchCount(doc); ++b) {
        if (!isBranchOfKind(doc, b, KIND_CURRENT_SOURCE)) {
            branches.push_back(b);
        }
    }
    std::shuffle(branches.begin(), branches.end(), random);
    DisjointSets joined(numberedNodeCount(doc));
    std::vector<std::string> tree;
    for (int b : branches) {
        if (joined.join(doc.branchStartNodes[static_cast<std::size_t>(b)], doc.branchFinishNodes[static_cast<std::size_t>(b)])) {
            tree.push_back(doc.labels[static_cast<std::size_t>(b)]);
        }
    }
    return tree;
}

// What one analysis by loops was like, for the test to see that the trees it tried were varied.
struct LoopCounts {
    int voltageSourceChords = 0;
    int currentSourceChords = 0;
    int sharedResistors = 0;  // resistors that two loops or more run through
};

void count(const CKirvoltDoc& doc, const std::vector<std::string>& chosen, LoopCounts& counts)
{
    const auto built = buildLoopSystem(doc, chosen);
    const LoopTree& tree = std::get<LoopSystem>(built).tree;
    for (const FundamentalLoop& loop : tree.loops) {
        counts.voltageSourceChords += isBranchOfKind(doc, loop.chord, KIND_VOLTAGE_SOURCE) ? 1 : 0;
        counts.currentSourceChords += isBranchOfKind(doc, loop.chord, KIND_CURRENT_SOURCE) ? 1 : 0;
    }
    for (int b = 1; b <= numberedBranchCount(doc); ++b) {
        counts.sharedResistors += isBranchOfKind(doc, b, KIND_RESISTOR) && tree.through[static_cast<std::size_t>(b)].size() >= 2 ? 1 : 0;
    }
}

// The loop method on the drawing with the tree given (none: the textbook's) agrees with the node
// voltage method's records and pane, and has a loop for every branch beyond a tree.
void expectSameAsNodal(const CKirvoltDoc& nodal, CKirvoltDoc& loops, const std::vector<std::string>& tree,
                       const std::string& what, LoopCounts& counts)
{
    const LoopMethod method(tree);
    const AnalysisOutcome outcome = runAnalysis(loops, method);
    ASSERT_TRUE(outcome) << what << ": " << outcome.refusal->message;
    EXPECT_EQ(testing::recordDifferences(nodal, loops), "") << what;
    EXPECT_EQ(testing::paneTextsBeyondRounding(nodal), testing::paneTextsBeyondRounding(loops)) << what;
    EXPECT_EQ(*outcome.unknownCount, numberedBranchCount(loops) - numberedNodeCount(loops) + 1) << what;
    ASSERT_TRUE(outcome.system) << what;
    EXPECT_EQ(outcome.system->title, "The loop current system");
    count(loops, tree, counts);
}

// Every example the node voltage method solves, the loop method solves with its textbook tree and
// the same results pane; every one it refuses, the loop method refuses in the same words. In the
// balanced bridge only the rounding of R5's zero p.d. may read it the other way round.
TEST(LoopMethodExamples, AgreeWithTheNodeVoltageMethod)
{
    LoopCounts counts;
    for (const testing::ExampleCircuit& example : testing::exampleCircuits()) {
        CKirvoltDoc nodal;
        CKirvoltDoc loops;
        testing::buildExample(example, nodal);
        testing::buildExample(example, loops);
        const AnalysisOutcome byNodes = runAnalysis(nodal, nodalMethod());
        if (!byNodes) {
            const AnalysisOutcome byLoops = runAnalysis(loops, loopMethod());
            ASSERT_FALSE(byLoops) << example.fileName;
            EXPECT_EQ(byNodes.refusal->message, byLoops.refusal->message) << example.fileName;
            continue;
        }
        expectSameAsNodal(nodal, loops, {}, example.fileName, counts);
        if (example.fileName != "wheatstone_balanced.kvt") {
            EXPECT_EQ(testing::paneTexts(nodal), testing::paneTexts(loops)) << example.fileName;
        }
    }
    EXPECT_GE(counts.currentSourceChords, 2);
}

// Random drawings, wired with crossings everywhere, and random plane lattices that the node
// voltage method solves: the loop method agrees with it with the textbook tree and with a tree
// picked at random, voltage sources among the chords and resistors shared by loops included.
TEST(LoopMethodProperty, RandomCircuitsAgreeWithTheNodeVoltageMethodForAnyTree)
{
    testing::CircuitGenerator generator(20261210u);
    std::mt19937 random(4711u);
    LoopCounts counts;
    int solved = 0;
    for (int tries = 0; solved < 200 && tries < 2000; ++tries) {
        const testing::RandomCircuit circuit = generator.next();
        testing::CircuitGenerator sameDrawing = generator;
        testing::DrawnCircuit nodal(circuit, generator);
        testing::DrawnCircuit loops(circuit, sameDrawing);
        nodal.buildAndChooseDatum();
        loops.buildAndChooseDatum();
        if (!runAnalysis(nodal.doc, nodalMethod())) {
            continue;
        }
        const std::string what = "drawn circuit " + std::to_string(solved);
        expectSameAsNodal(nodal.doc, loops.doc, {}, what + ", textbook tree", counts);
        expectSameAsNodal(nodal.doc, loops.doc, randomTree(loops.doc, random), what + ", random tree", counts);
        ++solved;
    }
    EXPECT_EQ(solved, 200);
    std::mt19937 lattices(20261211u);
    int plane = 0;
    for (int tries = 0; plane < 100 && tries < 20000; ++tries) {
        const testing::LatticeCircuit circuit = testing::randomLatticeCircuit(lattices);
        CKirvoltDoc nodal;
        CKirvoltDoc loops;
        testing::drawLattice(circuit, nodal);
        testing::drawLattice(circuit, loops);
        if (!runAnalysis(nodal, nodalMethod())) {
            continue;
        }
        prepareNumbering(loops);
        expectSameAsNodal(nodal, loops, randomTree(loops, random), "lattice " + std::to_string(plane), counts);
        ++plane;
    }
    EXPECT_EQ(plane, 100);
    EXPECT_GE(counts.voltageSourceChords, 30);
    EXPECT_GE(counts.currentSourceChords, 30);
    EXPECT_GE(counts.sharedResistors, 300);
}

struct TreeRefusal {
    std::string example;
    std::vector<std::string> tree;
    std::string message;
    std::vector<std::string> marked;  // the elements the refusal marks
};

// The bridge: E1 from node 1 (+) to the datum node 2, R1 from 1 to 3, R2 from 3 to 2, R3 from 1
// to 4, R4 from 4 to 2 and R5 from 3 to 4; below it, J1 drives 0.5 A into the node that E1 feeds.
const TreeRefusal TREE_REFUSALS[] = {
    {"wheatstone_unbalanced.kvt", {"R1", "R3", "R5"}, "R5 would close a loop with R1 and R3, so it cannot be in the tree.",
     {"R1", "R3", "R5"}},
    {"wheatstone_unbalanced.kvt", {"R1", "R3"}, "The tree does not join node 1 to the datum node 2: add one of E1, R2 and R4 to it.",
     {"E1", "R2", "R4"}},
    {"wheatstone_unbalanced.kvt", {"E1", "R1", "R3", "R9"}, "The tree names R9, but the circuit has no resistor or source of that name.",
     {}},
    {"wheatstone_unbalanced.kvt", {"E1", "R1", "E1"}, "The tree names E1 twice.", {"E1"}},
    {"current_into_node.kvt", {"J1", "E1"},
     "J1 cannot be in the tree: a current source fixes the current of its branch, so it must be a chord.", {"J1"}},
};

std::vector<std::string> markedLabels(const CKirvoltDoc& doc, const Highlight& highlight)
{
    std::vector<std::string> labels;
    for (const auto& element : doc.components) {
        if (highlight.isRed(*element)) {
            labels.push_back(element->label);
        }
    }
    std::sort(labels.begin(), labels.end());
    return labels;
}

// A tree that is none is refused by the analysis in a sentence naming the branch, which it marks.
TEST(LoopMethodTrees, AGivenTreeThatIsNoneIsRefusedNamingTheBranch)
{
    for (const TreeRefusal& c : TREE_REFUSALS) {
        CKirvoltDoc doc;
        for (const testing::ExampleCircuit& e : testing::exampleCircuits()) {
            if (e.fileName == c.example) {
                testing::buildExample(e, doc);
            }
        }
        const AnalysisOutcome outcome = runAnalysis(doc, LoopMethod(c.tree));
        ASSERT_FALSE(outcome) << c.message;
        EXPECT_EQ(outcome.refusal->message, c.message);
        EXPECT_EQ(markedLabels(doc, outcome.refusal->highlight), c.marked) << c.message;
        EXPECT_TRUE(doc.analysisResults.empty());
    }
}

}  // namespace
}  // namespace kirvolt
