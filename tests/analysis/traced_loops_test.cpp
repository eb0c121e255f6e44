#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "analysis/branch_tables.h"
#include "analysis/disjoint_sets.h"
#include "analysis/loop_independence.h"
#include "analysis/loop_method.h"
#include "analysis/nodal_solver.h"
#include "analysis/traced_loop.h"
#include "analysis/traced_loop_method.h"
#include "support/example_circuits.h"
#include "support/lattice_circuits.h"
#include "support/random_circuits.h"
#include "support/same_results.h"

namespace kirvolt {
namespace {

void buildNamedExample(const std::string& name, CKirvoltDoc& doc)
{
    for (const testing::ExampleCircuit& e : testing::exampleCircuits()) {
        if (e.fileName == name) {
            testing::buildExample(e, doc);
        }
    }
    prepareNumbering(doc);
}

int branchOf(const CKirvoltDoc& doc, const std::string& label)
{
    for (int b = 1; b <= numberedBranchCount(doc); ++b) {
        if (doc.labels[static_cast<std::size_t>(b)] == label) {
            return b;
        }
    }
    ADD_FAILURE() << "no branch " << label;
    return 0;
}

std::vector<int> branchesOf(const CKirvoltDoc& doc, const std::vector<std::string>& labels)
{
    std::vector<int> branches;
    for (const std::string& label : labels) {
        branches.push_back(branchOf(doc, label));
    }
    return branches;
}

// The bridge: E1 from node 1 (+) to the datum node 2, R1 from 1 to 3, R2 from 3 to 2, R3 from 1
// to 4, R4 from 4 to 2 and R5 from 3 to 4.
struct TraceCase {
    std::vector<std::string> clicked;
    std::vector<int> signs;  // of the branches taken
    bool closed;
    int refused;
    std::string message;
};

const TraceCase TRACES[] = {
    {{"R1", "R5", "R3"}, {1, 1, -1}, true, 0, ""},
    {{"R2", "R1", "R3", "R4"}, {-1, -1, 1, 1}, true, 0, ""},
    {{"R5", "R2"}, {-1, 1}, false, 0,
     "Your loop is not closed yet: go on from the end of R2 until the loop comes back to the end of R5 it started from."},
    {{"R1"}, {1}, false, 0, "Your loop is not closed yet: go on from either end of R1 until the loop comes back to its other end."},
    {{"R1", "R4"}, {1}, false, 2,
     "R4 does not touch R1, the last branch of your loop.\n\nClick a branch that goes on from one of its ends."},
    {{"R1", "R5", "E1"}, {1, 1}, false, 3,
     "E1 does not touch R5, the last branch of your loop.\n\nClick a branch that goes on from the end of R5 your loop has "
     "reached."},
    {{"R1", "R5", "R2"}, {1, 1}, false, 3, "R2 touches R5 only at the end your loop came in by.\n\nGo on from the other end of R5."},
    {{"R2", "R1", "R3", "R5"}, {-1, -1, 1}, false, 4,
     "R5 would take your loop back to where R2 and R1 meet, which it has passed already: a loop passes each node only once."},
    {{"R1", "R5", "R5"}, {1, 1}, false, 3,
     "R5 is in your loop already.\n\nClick a branch that goes on from the end of R5 your loop has reached."},
    {{"R1", "R5", "R3", "E1"}, {1, 1, -1}, true, 4, "Your loop is closed already: E1 would be one branch too many."},
};

TEST(TracedLoop, EachBranchClickedIsTakenOrRefusedInTheTutorsWords)
{
    CKirvoltDoc doc;
    buildNamedExample("wheatstone_unbalanced.kvt", doc);
    for (const TraceCase& c : TRACES) {
        const TracedLoop loop = traceLoop(doc, branchesOf(doc, c.clicked));
        const std::string what = ::testing::PrintToString(c.clicked);
        std::vector<int> signs;
        for (std::size_t i = 0; i < loop.steps.size(); ++i) {
            EXPECT_EQ(loop.steps[i].branch, branchOf(doc, c.clicked[i])) << what;
            signs.push_back(loop.steps[i].sign);
        }
        EXPECT_EQ(signs, c.signs) << what;
        EXPECT_EQ(loop.closed, c.closed) << what;
        EXPECT_EQ(loop.refused, c.refused) << what;
        EXPECT_EQ(loop.message, c.message) << what;
    }
}

std::vector<LoopStep> closedLoop(const CKirvoltDoc& doc, const std::vector<std::string>& labels)
{
    const TracedLoop loop = traceLoop(doc, branchesOf(doc, labels));
    EXPECT_TRUE(loop.closed && loop.refused == 0) << ::testing::PrintToString(labels) << loop.message;
    return loop.steps;
}

struct SetCase {
    std::vector<std::vector<std::string>> taken;  // accepted one after the other
    std::vector<std::string> offered;
    std::string message;
};

// Round the bridge: loop 1 runs R1, R5 and back up R3 clockwise in the left diamond, and the
// outer diamond R1, R2, R4, R3 is loop 1 with the right-hand cell; which combination it is
// depends on the way that cell was traced.
const SetCase SETS[] = {
    {{{"R1", "R5", "R3"}, {"R4", "R5", "R2"}},
     {"R1", "R2", "R4", "R3"},
     "Sorry,\n\nthis loop is the sum of loops 1 and 2: its KVL equation would follow from theirs, so it tells nothing "
     "new.\n\nA loop through E1, which none of your loops runs through yet, is sure to be new. Trace another loop."},
    {{{"R1", "R5", "R3"}, {"R5", "R4", "R2"}},
     {"R1", "R2", "R4", "R3"},
     "Sorry,\n\nthis loop is loop 1 minus loop 2: its KVL equation would follow from theirs, so it tells nothing "
     "new.\n\nA loop through E1, which none of your loops runs through yet, is sure to be new. Trace another loop."},
    {{{"R5", "R4", "R2"}, {"R1", "R5", "R3"}},
     {"R1", "R2", "R4", "R3"},
     "Sorry,\n\nthis loop is loop 2 minus loop 1: its KVL equation would follow from theirs, so it tells nothing "
     "new.\n\nA loop through E1, which none of your loops runs through yet, is sure to be new. Trace another loop."},
    {{{"R1", "R5", "R3"}},
     {"R5", "R3", "R1"},
     "Sorry,\n\nthis loop is loop 1 traced again: its KVL equation would follow from theirs, so it tells nothing "
     "new.\n\nA loop through E1, R2 or R4, which none of your loops runs through yet, is sure to be new. Trace another loop."},
    {{{"R1", "R5", "R3"}},
     {"R3", "R5", "R1"},
     "Sorry,\n\nthis loop is loop 1 run the other way: its KVL equation would follow from theirs, so it tells nothing "
     "new.\n\nA loop through E1, R2 or R4, which none of your loops runs through yet, is sure to be new. Trace another loop."},
    {{{"R1", "R5", "R3"}, {"R5", "R4", "R2"}, {"E1", "R1", "R2"}},
     {"E1", "R3", "R4"},
     "Sorry,\n\nthis loop is loop 2 plus loop 3 minus loop 1: its KVL equation would follow from theirs, so it tells nothing "
     "new.\n\nTrace another loop."},
    {{{"R1", "R5", "R3"}, {"R5", "R4", "R2"}},
     {"E1", "R1", "R2"},
     "Loop 3 is closed, and it is independent of the loops before it.\n\nThat makes 3 independent loops, as many as your "
     "circuit has.\n\nGo ahead with your analysis."},
    {{{"R1", "R5", "R3"}},
     {"E1", "R1", "R2"},
     "Loop 2 is closed, and it is independent of the loops before it.\n\n1 more loop is needed."},
};

TEST(LoopSet, ALoopThatIsACombinationOfEarlierOnesIsRefusedSayingWhich)
{
    CKirvoltDoc doc;
    buildNamedExample("wheatstone_unbalanced.kvt", doc);
    for (const SetCase& c : SETS) {
        LoopSet set(doc);
        EXPECT_EQ(set.needed(), 3);
        for (const auto& loop : c.taken) {
            ASSERT_NE(set.offer(closedLoop(doc, loop)).taken, 0) << ::testing::PrintToString(loop);
        }
        const LoopOffer offer = set.offer(closedLoop(doc, c.offered));
        EXPECT_EQ(offer.message, c.message) << ::testing::PrintToString(c.offered);
        EXPECT_EQ(offer.taken == 0, c.message.starts_with("Sorry")) << c.message;
        EXPECT_EQ(set.count(), static_cast<int>(c.taken.size()) + (offer.taken == 0 ? 0 : 1));
    }
}

TEST(LoopSet, ACombinationWithoutUnitCoefficientsSaysHowOftenEachLoopIsTaken)
{
    EXPECT_EQ(loopCombinationText({2, 0, -1}), "twice loop 1 minus loop 3");
    EXPECT_EQ(loopCombinationText({-1, 3}), "3 times loop 2 minus loop 1");
    EXPECT_EQ(loopCombinationText({-1, -1}), "the sum of loops 1 and 2 run the other way");
}

// Whether the signed branches are one loop a student could trace: every node they touch is
// met twice, and they hang together.
bool oneLoop(const CKirvoltDoc& doc, const std::vector<int>& v)
{
    std::vector<int> met(static_cast<std::size_t>(numberedNodeCount(doc)) + 1, 0);
    DisjointSets joined(numberedNodeCount(doc));
    int branches = 0;
    int parts = 0;
    for (std::size_t b = 1; b < v.size(); ++b) {
        if (v[b] == 0) {
            continue;
        }
        if (std::abs(v[b]) > 1) {
            return false;
        }
        const int start = doc.branchStartNodes[b];
        const int finish = doc.branchFinishNodes[b];
        ++met[static_cast<std::size_t>(start)];
        ++met[static_cast<std::size_t>(finish)];
        parts += joined.join(start, finish) ? 1 : 0;
        ++branches;
    }
    const auto touched = std::ranges::count_if(met, [](int m) { return m != 0; });
    return std::ranges::all_of(met, [](int m) { return m == 0 || m == 2; }) && parts == touched - 1 && branches > 0;
}

// Independent loops as a student may choose them: the fundamental loops of a random tree,
// mixed by random steps that add or take one loop from another while the result is still one
// loop; any such set is a basis of the loops.
std::vector<std::vector<LoopStep>> randomLoops(const CKirvoltDoc& doc, std::mt19937& random)
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
    const auto made = loopTreeOf(doc, tree);
    std::vector<std::vector<int>> vectors;
    for (const FundamentalLoop& loop : std::get<LoopTree>(made).loops) {
        std::vector<int> v(static_cast<std::size_t>(numberedBranchCount(doc)) + 1, 0);
        for (const LoopStep& step : loop.steps) {
            v[static_cast<std::size_t>(step.branch)] = step.sign;
        }
        vectors.push_back(std::move(v));
    }
    if (vectors.size() >= 2) {
        std::uniform_int_distribution<std::size_t> pick(0, vectors.size() - 1);
        for (int step = 0; step < 8; ++step) {
            const std::size_t i = pick(random);
            const std::size_t j = pick(random);
            const int sign = random() % 2 == 0 ? 1 : -1;
            std::vector<int> sum = vectors[i];
            for (std::size_t b = 0; b < sum.size(); ++b) {
                sum[b] += sign * vectors[j][b];
            }
            if (i != j && oneLoop(doc, sum)) {
                vectors[i] = std::move(sum);
            }
        }
    }
    std::shuffle(vectors.begin(), vectors.end(), random);
    std::vector<std::vector<LoopStep>> loops;
    for (const auto& v : vectors) {
        std::vector<LoopStep> loop;
        for (std::size_t b = 1; b < v.size(); ++b) {
            if (v[b] != 0) {
                loop.push_back({static_cast<int>(b), v[b]});
            }
        }
        loops.push_back(std::move(loop));
    }
    return loops;
}

struct Mixed {
    int combinedRows = 0;      // voltage laws round a combination that leaves a current source out
    int sharedSources = 0;     // constraints of a source on several loops
    int refusedOffers = 0;
};

void expectSameAsNodal(const CKirvoltDoc& nodal, CKirvoltDoc& loops, std::mt19937& random, const std::string& what,
                       Mixed& mixed)
{
    prepareNumbering(loops);
    const auto chosen = randomLoops(loops, random);
    LoopSet set(loops);
    for (const auto& loop : chosen) {
        ASSERT_NE(set.offer(loop).taken, 0) << what;
    }
    EXPECT_TRUE(set.complete()) << what;
    // Any loop of the set again, or the sum of two, adds nothing.
    if (chosen.size() >= 2) {
        std::vector<LoopStep> both = chosen[0];
        both.insert(both.end(), chosen[1].begin(), chosen[1].end());
        const LoopOffer offer = set.offer(both);
        EXPECT_EQ(offer.taken, 0) << what;
        mixed.refusedOffers += offer.message.find("the sum of loops 1 and 2") != std::string::npos;
    }
    const auto built = buildTracedLoopSystem(loops, chosen);
    ASSERT_TRUE(std::holds_alternative<TracedLoopSystem>(built)) << what;
    for (const TracedLoopRow& row : std::get<TracedLoopSystem>(built).rows) {
        mixed.combinedRows += row.combination.size() > 1;
        mixed.sharedSources += row.source != 0 && row.entries.size() > 1;
    }
    const AnalysisOutcome outcome = runAnalysis(loops, TracedLoopMethod(chosen));
    ASSERT_TRUE(outcome) << what << ": " << outcome.refusal->message;
    EXPECT_EQ(testing::recordDifferences(nodal, loops), "") << what;
    EXPECT_EQ(testing::paneTextsBeyondRounding(nodal), testing::paneTextsBeyondRounding(loops)) << what;
}

// Random drawings and random plane lattices that the node voltage method solves, each solved
// again over random independent loops: every record and the pane agree with the node voltage
// method's, current sources shared by loops and voltage laws round combinations included.
TEST(TracedLoopProperty, AnyIndependentLoopsSolveAsTheNodeVoltageMethodDoes)
{
    testing::CircuitGenerator generator(20261209u);
    std::mt19937 random(1234u);
    Mixed mixed;
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
        expectSameAsNodal(nodal.doc, loops.doc, random, "drawn circuit " + std::to_string(solved), mixed);
        ++solved;
    }
    EXPECT_EQ(solved, 200);
    std::mt19937 lattices(20261212u);
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
        expectSameAsNodal(nodal, loops, random, "lattice " + std::to_string(plane), mixed);
        ++plane;
    }
    EXPECT_EQ(plane, 100);
    EXPECT_GE(mixed.combinedRows, 30);
    EXPECT_GE(mixed.sharedSources, 30);
    EXPECT_GE(mixed.refusedOffers, 100);
}

}  // namespace
}  // namespace kirvolt
