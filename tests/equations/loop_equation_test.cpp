#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/loop_method.h"
#include "equations/loop_equation.h"
#include "equations/loop_equation_display.h"
#include "equations/method_equations.h"
#include "support/example_circuits.h"
#include "support/lattice_circuits.h"

namespace kirvolt {
namespace {

void drawExample(const std::string& fileName, CKirvoltDoc& doc)
{
    for (const testing::ExampleCircuit& e : testing::exampleCircuits()) {
        if (e.fileName == fileName) {
            testing::buildExample(e, doc);
        }
    }
}

// Two cells side by side: E1 (+ at the top) up the left, R1 = 10 and R2 = 20 ohm along the top,
// R3 = 30 ohm between the cells, R4 = 40 ohm down the right, wires along the bottom.
const testing::LatticeCircuit TWO_CELLS{2, 1, {{false, 0, 0, KIND_VOLTAGE_SOURCE, 12}, {true, 0, 0, KIND_RESISTOR, 10},
                                               {true, 1, 0, KIND_RESISTOR, 20}, {false, 1, 0, KIND_RESISTOR, 30},
                                               {false, 2, 0, KIND_RESISTOR, 40}, {true, 0, 1, KIND_WIRE},
                                               {true, 1, 1, KIND_WIRE}}};

struct LoopCase {
    std::string name;
    std::vector<std::string> tree;   // none: the textbook's
    std::vector<std::string> lines;  // each loop's heading and four lines
};

const std::string WORDS_R2 = "The voltage drops round the loop of R2, in the direction of I_R2, add up to the EMFs that drive it.";

// Worked by hand from the drawings. The textbook tree of the bridge is E1, R1 and R3, so R1
// carries I_R2 and I_R5 the same way and R3 carries I_R5 against I_R4; with E1, R2 and R4 as
// its tree the loops change and with them every line. In the two cells R1 carries both loops.
const LoopCase CASES[] = {
    {"voltage_divider.kvt", {}, {"Loop of R2:", WORDS_R2, "R2·I_R2 + R1·I_R2 = E1", "20.0·I_R2 + 40.0·I_R2 = 12.0",
                                 "60.00·I_R2 = 12.00"}},
    {"wheatstone_unbalanced.kvt", {},
     {"Loop of R2:", WORDS_R2, "R2·I_R2 + R1·(I_R2 + I_R5) = E1", "20.0·I_R2 + 10.0·(I_R2 + I_R5) = 10.0",
      "30.00·I_R2 + 10.00·I_R5 = 10.00", "Loop of R4:",
      "The voltage drops round the loop of R4, in the direction of I_R4, add up to the EMFs that drive it.",
      "R4·I_R4 + R3·(I_R4 − I_R5) = E1", "20.0·I_R4 + 15.0·(I_R4 − I_R5) = 10.0", "35.00·I_R4 − 15.00·I_R5 = 10.00",
      "Loop of R5:", "The voltage drops round the loop of R5, in the direction of I_R5, add up to the EMFs that drive it.",
      "R5·I_R5 + R3·(I_R5 − I_R4) + R1·(I_R5 + I_R2) = 0", "5.00·I_R5 + 15.0·(I_R5 − I_R4) + 10.0·(I_R5 + I_R2) = 0",
      "10.00·I_R2 − 15.00·I_R4 + 30.00·I_R5 = 0"}},
    {"wheatstone_unbalanced.kvt", {"E1", "R2", "R4"},
     {"Loop of R1:", "The voltage drops round the loop of R1, in the direction of I_R1, add up to the EMFs that drive it.",
      "R1·I_R1 + R2·(I_R1 − I_R5) = E1", "10.0·I_R1 + 20.0·(I_R1 − I_R5) = 10.0", "30.00·I_R1 − 20.00·I_R5 = 10.00",
      "Loop of R3:", "The voltage drops round the loop of R3, in the direction of I_R3, add up to the EMFs that drive it.",
      "R3·I_R3 + R4·(I_R3 + I_R5) = E1", "15.0·I_R3 + 20.0·(I_R3 + I_R5) = 10.0", "35.00·I_R3 + 20.00·I_R5 = 10.00",
      "Loop of R5:", "The voltage drops round the loop of R5, in the direction of I_R5, add up to the EMFs that drive it.",
      "R5·I_R5 + R4·(I_R5 + I_R3) + R2·(I_R5 − I_R1) = 0", "5.00·I_R5 + 20.0·(I_R5 + I_R3) + 20.0·(I_R5 − I_R1) = 0",
      "−20.00·I_R1 + 20.00·I_R3 + 45.00·I_R5 = 0"}},
    {"current_into_node.kvt", {},
     {"Loop of R2:", WORDS_R2, "R2·I_R2 + R1·(I_R2 − I_J1) = E1", "20.0·I_R2 + 10.0·(I_R2 − I_J1) = 12.0",
      "30.00·I_R2 − 10.00·I_J1 = 12.00", "Loop of J1:",
      "J1 is the chord of its loop, so the loop current is the source's own current.", "I_J1 = J1", "I_J1 = 0.500",
      "I_J1 = 0.50"}},
};

std::vector<std::string> listedLines(CKirvoltDoc& doc, const std::vector<std::string>& tree, std::string& refusal)
{
    const LoopMethod method(tree);
    const AnalysisOutcome outcome = runAnalysis(doc, method);
    if (!outcome) {
        refusal = outcome.refusal->message;
        return {};
    }
    const std::unique_ptr<MethodEquations> overTree = equationsOverChosenTree(method);
    const MethodEquations& equations = overTree ? *overTree : *equationsOf(loopMethod());
    EXPECT_EQ(&equations.method(), overTree ? &method : &loopMethod());
    const auto written = equations.write(doc);
    std::vector<std::string> lines;
    for (const EquationBlock& block : std::get<EquationList>(written).blocks) {
        lines.push_back(block.heading);
        lines.insert(lines.end(), block.lines.begin(), block.lines.end());
    }
    return lines;
}

TEST(LoopEquations, TextbookCircuitsAreWrittenLineByLine)
{
    for (const LoopCase& c : CASES) {
        CKirvoltDoc doc;
        drawExample(c.name, doc);
        std::string refusal;
        EXPECT_EQ(listedLines(doc, c.tree, refusal), c.lines) << c.name << " " << refusal;
    }
}

// The two cells: the textbook tree is E1, R1 and R2, the chords R3 and R4; the loop currents
// are the mesh currents' difference (0.4 − 2/15 A) and the right mesh's current (2/15 A).
TEST(LoopEquations, TwoCellsShareTheirTreeResistorAndSolveAsTheMeshesDo)
{
    CKirvoltDoc doc;
    testing::drawLattice(TWO_CELLS, doc);
    std::string refusal;
    const std::vector<std::string> lines = listedLines(doc, {}, refusal);
    ASSERT_EQ(lines.size(), 10u) << refusal;
    EXPECT_EQ(lines[2], "R3·I_R3 + R1·(I_R3 + I_R4) = E1");
    EXPECT_EQ(lines[4], "40.00·I_R3 + 10.00·I_R4 = 12.00");
    EXPECT_EQ(lines[7], "R4·I_R4 + R1·(I_R4 + I_R3) + R2·I_R4 = E1");
    EXPECT_EQ(lines[9], "10.00·I_R3 + 70.00·I_R4 = 12.00");
    const NamedSystem system = loopMethod().namedSystem(doc);
    ASSERT_EQ(system.x.size(), 2u);
    EXPECT_NEAR(system.x[0], 0.4 - 2.0 / 15, 1e-12);
    EXPECT_NEAR(system.x[1], 2.0 / 15, 1e-12);
}

// A click on a chord shows its loop's lines in the node-equation dialog under the chord's name,
// with the loop's elements marked; a click on a branch of the tree, or beside the drawing,
// shows nothing.
TEST(LoopEquations, AClickOnAChordShowsItsLoop)
{
    CKirvoltDoc doc;
    const std::vector<CComponent*> records = testing::drawLattice(TWO_CELLS, doc);
    ASSERT_TRUE(runAnalysis(doc, loopMethod()));
    const auto centre = [&doc](const CComponent& c) {
        return toLogical({(c.gridStart.x + c.gridFinish.x) / 2, (c.gridStart.y + c.gridFinish.y) / 2}, doc.gridSize);
    };
    const std::vector<NodeEquationStep> steps = showLoopEquation(doc, centre(*records[4]), {});
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].kind, NodeEquationStep::Kind::Dialog);
    const NodeEquationTexts& texts = steps[0].dialog;
    EXPECT_EQ(texts.of, NodeEquationTexts::Of::loop);
    EXPECT_EQ(texts.nodeName, "R4");
    EXPECT_EQ(texts.datumNodeName, "");
    EXPECT_EQ(texts.lines[0], "The voltage drops round the loop of R4, in the direction of I_R4, add up to the EMFs that drive it.");
    EXPECT_EQ(texts.lines[3], "10.00·I_R3 + 70.00·I_R4 = 12.00");
    EXPECT_EQ(texts.lines[4], "");
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(steps[0].highlight.isRed(*records[k]), k != 3) << records[k]->label;
    }
    EXPECT_TRUE(showLoopEquation(doc, centre(*records[1]), {}).empty());
    EXPECT_TRUE(showLoopEquation(doc, {3000, 3000}, {}).empty());
}

}  // namespace
}  // namespace kirvolt
