#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/circuit_solvability.h"
#include "analysis/known_methods.h"
#include "analysis/nodal_solver.h"
#include "analysis/node_numbering.h"
#include "analysis/rule_checks.h"
#include "support/circuit_builder.h"
#include "support/node_circuit.h"
#include "support/recording_port.h"

namespace kirvolt {
namespace {

using testing::CircuitBuilder;
using testing::NodeCircuit;
using testing::RecordingPort;

double jointVoltage(const CKirvoltDoc& doc, int node)
{
    for (const auto& c : doc.components) {
        if (c->kindCode == KIND_JOINT && c->startNode == node) {
            return c->startVoltage;
        }
    }
    ADD_FAILURE() << "no joint for node " << node;
    return NAN;
}

TEST(NodalSolver, TenVoltSourceAcrossFiveOhmsInBothDrawingDirections)
{
    for (bool resistorUpward : {false, true}) {
        CKirvoltDoc doc;
        RecordingPort port;
        doc.setPort(&port);
        CircuitBuilder build(doc);
        build.wire(10, -3, 20, -3);
        build.wire(10, 3, 20, 3);
        CComponent& e = build.voltageSource(10, 0, ORIENT_NORTH, 10);  // + at the top
        CComponent& r = build.resistor(20, 0, resistorUpward ? ORIENT_NORTH : ORIENT_SOUTH, 5);
        doc.datumNode = 2;
        const AnalysisOutcome outcome = runNodalAnalysis(doc);
        ASSERT_TRUE(outcome);
        EXPECT_TRUE(port.messages.empty());
        EXPECT_EQ(e.startNode, 1);
        EXPECT_DOUBLE_EQ(jointVoltage(doc, 1), 10);
        EXPECT_DOUBLE_EQ(jointVoltage(doc, 2), 0);
        EXPECT_DOUBLE_EQ(e.pd, 10);
        EXPECT_DOUBLE_EQ(e.current, -2);
        EXPECT_EQ(r.startNode, 1);
        EXPECT_EQ(r.finishNode, 2);
        EXPECT_EQ(r.gridStart, (Point{20, -3}));
        EXPECT_EQ(r.orientation, ORIENT_SOUTH) << "drawn upward: " << resistorUpward;
        EXPECT_DOUBLE_EQ(r.startVoltage, 10);
        EXPECT_DOUBLE_EQ(r.pd, 10);
        EXPECT_DOUBLE_EQ(r.current, 2);
        // The solve itself leaves mode, count and view to its caller.
        EXPECT_EQ(outcome.unknownCount, 2);
        ASSERT_TRUE(outcome.system);
        EXPECT_EQ(outcome.system->x, (std::vector<double>{10, -2}));
        EXPECT_NE(doc.mode, nodeEquationMode);
        EXPECT_EQ(port.redraws, 0);
        showOutcome(doc, outcome);
        EXPECT_EQ(doc.mode, nodeEquationMode);
        EXPECT_EQ(port.redraws, 1);

        ASSERT_TRUE(runNodalAnalysis(doc));
        EXPECT_EQ(r.orientation, ORIENT_SOUTH);
        EXPECT_DOUBLE_EQ(r.current, 2);
    }
}

TEST(NodalSolver, ResistorWithBothEndsOnTheDatumNodeCarriesNothing)
{
    CKirvoltDoc doc;
    CircuitBuilder build(doc);
    build.wire(10, -3, 20, -3);
    build.wire(10, 3, 20, 3);
    build.voltageSource(10, 0, ORIENT_NORTH, 10);
    build.resistor(20, 0, ORIENT_SOUTH, 5);
    CComponent& shorted = build.resistor(15, 6, ORIENT_EAST, 7);
    build.wire(12, 6, 10, 3);
    build.wire(18, 6, 20, 3);
    doc.datumNode = 2;
    ASSERT_TRUE(runNodalAnalysis(doc));
    EXPECT_EQ(shorted.startNode, 2);
    EXPECT_EQ(shorted.finishNode, 2);
    EXPECT_DOUBLE_EQ(jointVoltage(doc, 1), 10);
    EXPECT_DOUBLE_EQ(shorted.pd, 0);
    EXPECT_DOUBLE_EQ(shorted.current, 0);
}

TEST(NodalSolver, TwoAmpereSourceIntoFourOhms)
{
    CKirvoltDoc doc;
    CircuitBuilder build(doc);
    build.wire(10, -3, 20, -3);
    build.wire(10, 3, 20, 3);
    CComponent& j = build.currentSource(10, 0, ORIENT_NORTH, 2);  // from the bottom (2) to the top (1)
    CComponent& r = build.resistor(20, 0, ORIENT_SOUTH, 4);
    doc.datumNode = 2;
    ASSERT_TRUE(runNodalAnalysis(doc));
    EXPECT_EQ(j.startNode, 2);
    EXPECT_DOUBLE_EQ(jointVoltage(doc, 1), 8);
    EXPECT_DOUBLE_EQ(r.pd, 8);
    EXPECT_DOUBLE_EQ(r.current, 2);
    EXPECT_DOUBLE_EQ(j.pd, -8);
    EXPECT_DOUBLE_EQ(j.current, 2) << "a current source keeps the current it was given";
}

// J1 drives 1 A into node 1; R1 (2 ohm) from 1 to 2; R2 (4) from 2 to 3; R3 (4) from 2 to 4;
// R4 (4) from 4 to 3. With datum 3: V2 = 1 A x (4 || 8) = 8/3, V1 = V2 + 2, V4 = V2 / 2.
void ladder(NodeCircuit& circuit)
{
    circuit.currentSource(3, 1, 1);
    circuit.resistor(1, 2, 2);
    circuit.resistor(2, 3, 4);
    circuit.resistor(2, 4, 4);
    circuit.resistor(4, 3, 4);
}

TEST(NodalSolver, DatumThreeOfFourNodesIsLeftOutOfTheSystem)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 4);
    ladder(circuit);
    circuit.number(3);
    NodalSystem system = buildNodalSystem(doc);
    ASSERT_EQ(system.matrix.size(), 3);
    const double expected[3][4] = {{0.5, -0.5, 0, 1}, {-0.5, 1, -0.25, 0}, {0, -0.25, 0.5, 0}};
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 4; ++c) {
            EXPECT_DOUBLE_EQ(system.matrix.at(r, c), expected[r - 1][c - 1]) << r << "," << c;
        }
    }
    std::vector<double> x;
    ASSERT_TRUE(gaussJordanSolve(system.matrix, x));
    EXPECT_NEAR(x[1], 8.0 / 3 + 2, 1e-12);
    EXPECT_NEAR(x[2], 8.0 / 3, 1e-12);
    EXPECT_NEAR(x[3], 4.0 / 3, 1e-12);

    ASSERT_TRUE(runNodalAnalysis(doc));
    EXPECT_NEAR(jointVoltage(doc, 1), 8.0 / 3 + 2, 1e-12);
    EXPECT_NEAR(jointVoltage(doc, 2), 8.0 / 3, 1e-12);
    EXPECT_EQ(jointVoltage(doc, 3), 0);
    EXPECT_NEAR(jointVoltage(doc, 4), 4.0 / 3, 1e-12);
}

TEST(NodalSolver, VoltageSourceRowsCarryTheSourceCurrents)
{
    // E1 (6 V) from node 2 to the datum 1, E2 (4 V) from 3 to 2, R1 (2 ohm) from 3 to 1.
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 3);
    CComponent& e1 = circuit.voltageSource(2, 1, 6);
    CComponent& r1 = circuit.resistor(3, 1, 2);
    CComponent& e2 = circuit.voltageSource(3, 2, 4);
    circuit.resistor(2, 1, 3);
    const AnalysisOutcome outcome = runNodalAnalysis(doc);
    ASSERT_TRUE(outcome);
    EXPECT_DOUBLE_EQ(jointVoltage(doc, 3), 10);
    EXPECT_DOUBLE_EQ(r1.current, 5);
    EXPECT_DOUBLE_EQ(e2.current, -5);
    EXPECT_DOUBLE_EQ(e1.current, -7);
    EXPECT_EQ(outcome.unknownCount, 4);
}

struct SystemCase {
    const char* why;
    std::vector<std::vector<double>> rows;  // each row: coefficients, then the right side
    bool regular;
};

// Whether a pivot is zero is judged beside the size of the entries, not against a fixed
// number; the sparse factorization of large systems judges these as the elimination does.
TEST(NodalSolver, SingularityIsJudgedRelativeToTheEntries)
{
    const SystemCase cases[] = {
        {"tiny but regular", {{1e-11, 0, 1}, {0, 1, 2}}, true},
        {"a gigaohm network", {{1e-12, -1e-12, 0}, {-1e-12, 2e-12, 1e-9}}, true},
        {"ohms beside gigaohms", {{10, -10, 0}, {-10, 10 + 1e-9, 1}}, true},
        {"rank one", {{1, 1, 1}, {1, 1, 2}}, false},
        {"a floating pair of gigaohms", {{1e-12, -1e-12, 1e-9}, {-1e-12, 1e-12, -1e-9}}, false},
        {"a row the sum of two others",
         {{0.1, 0.2, 0.3, 1}, {0.7, 0.3, 0.9, 2}, {0.8, 0.5, 1.2, 3}}, false},
        {"a column of zeros", {{1, 0, 1}, {2, 0, 2}}, false},
    };
    for (const SystemCase& c : cases) {
        const int n = static_cast<int>(c.rows.size());
        AugmentedMatrix a(n);
        for (int r = 1; r <= n; ++r) {
            for (int k = 1; k <= n + 1; ++k) {
                a.at(r, k) = c.rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(k - 1)];
            }
        }
        SparseSystem sparse(n);
        for (int r = 1; r <= n; ++r) {
            for (int k = 1; k <= n; ++k) {
                if (const double v = a.at(r, k); v != 0.0) {
                    sparse.add(r, k, v);
                }
            }
            sparse.rhs(r) = a.at(r, n + 1);
        }
        std::vector<double> x{7.0};
        std::vector<double> y{7.0};
        EXPECT_EQ(gaussJordanSolve(a, x), c.regular) << c.why;
        EXPECT_EQ(sparseSolve(sparse, y), c.regular) << c.why << ", sparse";
        if (!c.regular) {
            EXPECT_EQ(x, std::vector<double>{7.0}) << c.why << ": x is left as it was";
            EXPECT_EQ(y, std::vector<double>{7.0}) << c.why << ": x is left as it was, sparse";
        } else {
            for (int r = 1; r <= n; ++r) {
                EXPECT_NEAR(y[r], x[r], 1e-9 * std::abs(x[r])) << c.why << " unknown " << r;
            }
        }
    }
}

// 1 nA from a current source into 20 gigaohms: 20 V, not a refusal.
TEST(NodalSolver, VeryLargeResistancesSolve)
{
    CKirvoltDoc doc;
    RecordingPort port;
    doc.setPort(&port);
    NodeCircuit circuit(doc, 2);
    circuit.currentSource(1, 2, 1e-9);
    CComponent& r = circuit.resistor(2, 1, 20e9);
    doc.datumNode = 1;
    ASSERT_TRUE(runNodalAnalysis(doc)) << port.messages.front();
    EXPECT_DOUBLE_EQ(jointVoltage(doc, 2), 20.0);
    EXPECT_DOUBLE_EQ(r.current, 1e-9);
}

TEST(NodalSolver, PartialPivotingSolvesAZeroLeadingEntry)
{
    AugmentedMatrix a(3);
    const double rows[3][4] = {{0, 2, 1, 7}, {1, 1, 1, 6}, {2, 0, -1, -1}};
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 4; ++c) {
            a.at(r, c) = rows[r - 1][c - 1];
        }
    }
    std::vector<double> x;
    ASSERT_TRUE(gaussJordanSolve(a, x));
    EXPECT_NEAR(x[1], 1, 1e-14);
    EXPECT_NEAR(x[2], 2, 1e-14);
    EXPECT_NEAR(x[3], 3, 1e-14);
}

TEST(NodalSolver, EmptyCircuitIsRefused)
{
    for (bool onlyUserJoints : {false, true}) {
        CKirvoltDoc doc;
        RecordingPort port;
        doc.setPort(&port);
        if (onlyUserJoints) {
            CircuitBuilder(doc).joint(3, 3);
        }
        const AnalysisOutcome outcome = runNodalAnalysis(doc);
        ASSERT_FALSE(outcome);
        EXPECT_EQ(outcome.refusal->message, "Create your circuit first.");
        EXPECT_EQ(doc.analysisFailed, 1);
    }
}

TEST(NodalSolver, StoredDatumThatIsNoNodeFallsBackToNodeOne)
{
    for (int stored : {0, -4, 3, 99}) {
        CKirvoltDoc doc;
        NodeCircuit circuit(doc, 2);
        CComponent& e = circuit.voltageSource(2, 1, 10);
        circuit.resistor(2, 1, 5);
        doc.datumNode = stored;
        ASSERT_TRUE(runNodalAnalysis(doc)) << stored;
        EXPECT_EQ(doc.datumNode, 1) << stored;
        EXPECT_DOUBLE_EQ(e.startVoltage, 10) << stored;
        EXPECT_DOUBLE_EQ(e.finishVoltage, 0) << stored;
    }
}

TEST(NodalSolver, AnalysisAfterDeletingAWireUsesTheNewNodes)
{
    CKirvoltDoc doc;
    RecordingPort port;
    doc.setPort(&port);
    CircuitBuilder build(doc);
    build.wire(10, -3, 20, -3);
    CComponent& bottom = build.wire(10, 3, 20, 3);
    build.voltageSource(10, 0, ORIENT_NORTH, 10);
    build.resistor(20, 0, ORIENT_SOUTH, 5);
    ASSERT_TRUE(runNodalAnalysis(doc));
    doc.RemoveComponent(&bottom);
    EXPECT_EQ(doc.nodesValid, 0);
    const AnalysisOutcome outcome = runNodalAnalysis(doc);
    ASSERT_FALSE(outcome);
    EXPECT_EQ(outcome.refusal->message, "Node 2 is not correctly connected.");
}

TEST(NodalSolver, StoredNodeNumbersOutsideTheNodeCountAreBuiltAgain)
{
    CKirvoltDoc doc;
    CircuitBuilder build(doc);
    build.wire(10, -3, 20, -3);
    build.wire(10, 3, 20, 3);
    build.voltageSource(10, 0, ORIENT_NORTH, 10);
    CComponent& r = build.resistor(20, 0, ORIENT_SOUTH, 5);
    ASSERT_TRUE(runNodalAnalysis(doc));
    r.startNode = 9;
    r.current = 0;
    ASSERT_EQ(doc.nodesValid, 1);
    ASSERT_TRUE(runNodalAnalysis(doc));
    EXPECT_EQ(r.startNode, 1);
    EXPECT_DOUBLE_EQ(r.current, 2);
}

TEST(NodalSolver, CircuitsBeyondNinetyNineNodesAreSolved)
{
    // 150 V across a chain of 150 equal resistors: node k + 1 sits at k volts.
    const int resistors = 150;
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, resistors + 1);
    for (int k = 1; k <= resistors; ++k) {
        circuit.resistor(k + 1, k, 2);
    }
    CComponent& e = circuit.voltageSource(resistors + 1, 1, resistors);
    const AnalysisOutcome outcome = runNodalAnalysis(doc);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome.unknownCount, resistors + 1);
    for (int k = 1; k <= resistors + 1; ++k) {
        EXPECT_NEAR(jointVoltage(doc, k), k - 1, 1e-9);
    }
    EXPECT_NEAR(e.current, -0.5, 1e-12);
}

// A cell written twice holds what the dense matrix would: a sum, or the later value where the
// second write replaces the first.
TEST(NodalSolver, SparseCellsHoldWhatTheDenseCellsHold)
{
    SparseSystem system(3);
    system.add(2, 1, 0.5);
    system.add(1, 1, 2.0);
    system.add(1, 1, 3.0);
    system.set(3, 2, 1.0);
    system.set(3, 2, -1.0);
    system.set(1, 3, 1.0);
    system.add(1, 3, 4.0);
    const SparseSystem::Columns columns = system.compressed();
    EXPECT_EQ(columns.columnStarts, (std::vector<int>{0, 2, 3, 4}));
    EXPECT_EQ(columns.rowIndices, (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(columns.values, (std::vector<double>{5.0, 0.5, -1.0, 5.0}));
}

// A chain of resistors from node 1, the datum, and two nodes more joined by whatever `spoil`
// adds; below and above the size that is eliminated densely.
struct LargeRefusalCase {
    const char* why;
    void (*spoil)(NodeCircuit& circuit, int nodes);
    std::string messageStart;
};

TEST(NodalSolver, LargeSystemsAreRefusedAsSmallOnesAre)
{
    const LargeRefusalCase cases[] = {
        {"two nodes joined to each other only",
         [](NodeCircuit& c, int nodes) {
             c.resistor(nodes + 1, nodes + 2, 10);
             c.resistor(nodes + 2, nodes + 1, 20);
         },
         "Nodes "},
        {"a node whose two resistors cancel",
         [](NodeCircuit& c, int nodes) {
             c.resistor(nodes + 1, 1, 10);
             c.resistor(1, nodes + 1, -10);
             c.resistor(nodes + 2, 1, 3);
         },
         singularSystemMessage()},
    };
    for (const LargeRefusalCase& c : cases) {
        for (int nodes : {10, 2 * DENSE_SOLVE_LIMIT}) {
            CKirvoltDoc doc;
            NodeCircuit circuit(doc, nodes + 2);
            for (int k = 2; k <= nodes; ++k) {
                circuit.resistor(k, k - 1, 5);
            }
            circuit.voltageSource(nodes, 1, 10);
            c.spoil(circuit, nodes);
            doc.datumNode = 1;
            CComponent& last = circuit.resistor(nodes, nodes - 1, 7);
            last.current = 3;
            // The tutor's solve runs no rule checks, so a negative resistance reaches the solver.
            const AnalysisOutcome outcome = solveNodalSystem(doc);
            ASSERT_FALSE(outcome) << c.why << ", " << nodes;
            EXPECT_EQ(outcome.refusal->message.substr(0, c.messageStart.size()), c.messageStart)
                << c.why << ", " << nodes;
            EXPECT_EQ(last.current, 3) << c.why << ": no result changes";
            EXPECT_EQ(doc.analysisFailed, 1);
        }
    }
}

TEST(NodalSolver, WiresAndJointsTakeTheirNodeVoltage)
{
    CKirvoltDoc doc;
    CircuitBuilder build(doc);
    CComponent& top = build.wire(10, -3, 20, -3);
    build.wire(10, 3, 20, 3);
    build.voltageSource(10, 0, ORIENT_NORTH, 10);
    build.resistor(20, 0, ORIENT_SOUTH, 5);
    doc.datumNode = 2;
    ASSERT_TRUE(runNodalAnalysis(doc));
    EXPECT_DOUBLE_EQ(top.startVoltage, 10);
    EXPECT_DOUBLE_EQ(top.finishVoltage, 10);
    EXPECT_DOUBLE_EQ(top.pd, 0);
}

// The node voltage method has no conductance for a 0 ohm resistor and would solve the circuit
// as if it were open (here: no current through it and 10 V across it). A solve without the rule
// checks, for every method, refuses it in the rule check's words and changes no result.
TEST(NodalSolver, ASolveWithoutRuleChecksRefusesAZeroOhmResistor)
{
    for (const AnalysisMethod* method : knownMethods()) {
        CKirvoltDoc doc;
        CircuitBuilder build(doc);
        for (const int x : {10, 20}) {
            build.wire(x, -3, x + 10, -3);
            build.wire(x, 3, x + 10, 3);
        }
        build.voltageSource(10, 0, ORIENT_NORTH, 10);
        CComponent& r = build.resistor(20, 0, ORIENT_SOUTH, 5);
        CComponent& zero = build.resistor(30, 0, ORIENT_SOUTH, 0);
        zero.current = 3;
        const AnalysisOutcome outcome = runAnalysis(doc, *method, RuleChecks::skipped);
        ASSERT_FALSE(outcome) << method->name();
        EXPECT_EQ(outcome.refusal->message, "Resistor " + zero.label +
                                                " has invalid resistance.\nThe resistance value must be greater than 0."
                                                "\n\nIf you wish to have a branch of zero resistance over there,\n"
                                                "you may replace the resistor with a wire.")
            << method->name();
        EXPECT_EQ(outcome.refusal->message, checkResistances(doc)->message) << method->name();
        EXPECT_EQ(zero.current, 3) << method->name();
        EXPECT_EQ(r.current, 0) << method->name();
        EXPECT_EQ(doc.analysisFailed, 1) << method->name();
        // With a resistance, the same circuit is solved.
        zero.value = 1;
        EXPECT_TRUE(runAnalysis(doc, *method, RuleChecks::skipped)) << method->name();
        EXPECT_DOUBLE_EQ(zero.current, 10) << method->name();
    }
}

}  // namespace
}  // namespace kirvolt
