#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "analysis/circuit_solvability.h"
#include "analysis/nodal_solver.h"
#include "support/node_circuit.h"

namespace kirvolt {
namespace {

using testing::NodeCircuit;
using Real = long double;

// What an element carries in exact arithmetic, worked out from closed forms whose sums have
// only positive terms, so that long double keeps every digit the comparison needs.
struct Exact {
    Real pd;
    Real current;
};

// A source of E from node 1 to the datum 3 through ra (node 1 to 2) and rb (node 2 to 3).
std::vector<Exact> seriesLoop(Real e, Real ra, Real rb)
{
    const Real i = e / (ra + rb);
    return {{i * ra, i}, {i * rb, i}, {e, i}};
}

// The bridge: E from the top (1) to the datum (4); r1 top-left (2), r2 left-datum, r3
// top-right (3), r4 right-datum, r5 left-right.
std::vector<Exact> bridge(Real e, const Real (&r)[5])
{
    const Real g1 = 1 / r[0], g2 = 1 / r[1], g3 = 1 / r[2], g4 = 1 / r[3], g5 = 1 / r[4];
    const Real det = g1 * g3 + g1 * g4 + g2 * g3 + g2 * g4 + g5 * (g1 + g2 + g3 + g4);
    const Real left = e * (g1 * (g3 + g4 + g5) + g3 * g5) / det;
    const Real right = e * (g3 * (g1 + g2 + g5) + g1 * g5) / det;
    const Real topLeft = e * (g2 * g3 + g2 * g4 + g2 * g5 + g4 * g5) / det;
    const Real topRight = e * (g1 * g4 + g2 * g4 + g4 * g5 + g2 * g5) / det;
    const Real across = e * (g1 * g4 - g2 * g3) / det;
    return {{topLeft, topLeft * g1}, {left, left * g2},   {topRight, topRight * g3},
            {right, right * g4},     {across, across * g5}, {e, topLeft * g1 + topRight * g3}};
}

struct IllConditioned {
    const char* circuit;
    const char* span;  // what the refusal names, or null when the circuit solves
    std::function<void(NodeCircuit&)> build;
    int nodes;
    int datum;
    std::vector<Exact> exact;  // by branch, in the order built
};

void buildBridge(NodeCircuit& c, const double (&r)[5])
{
    c.resistor(1, 2, r[0], "R1");
    c.resistor(2, 4, r[1], "R2");
    c.resistor(1, 3, r[2], "R3");
    c.resistor(3, 4, r[3], "R4");
    c.resistor(2, 3, r[4], "R5");
    c.voltageSource(1, 4, 1e6, "E1");
}

bool agrees(Real got, Real exact)
{
    return std::abs(std::abs(got) - std::abs(exact)) <= 1e-6L * std::abs(exact);
}

// Each circuit either solves with every element's p.d. and current as exact arithmetic has them
// to a millionth, or is refused with the sentence naming its smallest and largest values.
TEST(IllConditioned, CircuitsSolveExactlyOrAreRefusedForPrecision)
{
    const double tiny = 1e-12;
    const double huge = 1e12;
    const char* const FULL_SPAN = "from R1 = 1e-12 \xCE\xA9 to R2 = 1e+12 \xCE\xA9";
    const double wideBridge[5] = {tiny, huge, huge, tiny, tiny};
    const double looseBridge[5] = {tiny, huge, huge, tiny, huge};
    const double crossedBridge[5] = {huge, tiny, tiny, huge, tiny};
    const IllConditioned cases[] = {
        {"series, 1 pΩ at the datum", nullptr,
         [&](NodeCircuit& c) {
             c.resistor(1, 2, huge, "R1");
             c.resistor(2, 3, tiny, "R2");
             c.voltageSource(1, 3, 1e6, "E1");
         },
         3, 3, seriesLoop(1e6L, 1e12L, 1e-12L)},
        {"series, 1 pΩ at the positive terminal", FULL_SPAN,
         [&](NodeCircuit& c) {
             c.resistor(1, 2, tiny, "R1");
             c.resistor(2, 3, huge, "R2");
             c.voltageSource(1, 3, 1e6, "E1");
         },
         3, 3, seriesLoop(1e6L, 1e-12L, 1e12L)},
        {"bridge joined by 1 pΩ", nullptr, [&](NodeCircuit& c) { buildBridge(c, wideBridge); }, 4, 4,
         bridge(1e6L, {1e-12L, 1e12L, 1e12L, 1e-12L, 1e-12L})},
        {"bridge joined by 1 TΩ", FULL_SPAN, [&](NodeCircuit& c) { buildBridge(c, looseBridge); }, 4, 4,
         bridge(1e6L, {1e-12L, 1e12L, 1e12L, 1e-12L, 1e12L})},
        {"crossed bridge joined by 1 pΩ", nullptr, [&](NodeCircuit& c) { buildBridge(c, crossedBridge); }, 4, 4,
         bridge(1e6L, {1e12L, 1e-12L, 1e-12L, 1e12L, 1e-12L})},
        {"1 fA into 1 TΩ", nullptr,
         [&](NodeCircuit& c) {
             c.resistor(1, 2, huge, "R1");
             c.currentSource(2, 1, 1e-15, "J1");
         },
         2, 2, {{1e-3L, 1e-15L}, {1e-3L, 1e-15L}}},
        // Once said to have no unique solution: 1 pΩ on 1 mV cannot be told from the node beside it.
        {"1 fA through 1 pΩ, 1 Ω and 1 TΩ", "from R3 = 1e-12 \xCE\xA9 to R1 = 1e+12 \xCE\xA9",
         [&](NodeCircuit& c) {
             c.resistor(1, 4, huge, "R1");
             c.resistor(2, 1, 1, "R2");
             c.resistor(3, 2, tiny, "R3");
             c.currentSource(4, 3, 1e-15, "J1");
         },
         4, 4, {}},
    };
    // Each once as it is and once beside a loop of resistors that makes the system sparse.
    for (const IllConditioned& c : cases) {
        for (const int loop : {0, DENSE_SOLVE_LIMIT}) {
            CKirvoltDoc doc;
            NodeCircuit circuit(doc, c.nodes + loop);
            c.build(circuit);
            for (int k = 1; k <= loop; ++k) {
                circuit.resistor(k == 1 ? c.datum : c.nodes + k - 1, c.nodes + k, 1);
            }
            if (loop > 0) {
                circuit.resistor(c.nodes + loop, c.datum, 1);
            }
            doc.datumNode = c.datum;
            const AnalysisOutcome outcome = runNodalAnalysis(doc);
            ASSERT_EQ(static_cast<bool>(outcome), c.span == nullptr)
                << c.circuit << ", loop " << loop << ": " << (outcome ? std::string("solved") : outcome.refusal->message);
            if (!outcome) {
                EXPECT_EQ(outcome.refusal->message, precisionMessage(doc)) << c.circuit;
                EXPECT_NE(outcome.refusal->message.find(c.span), std::string::npos) << outcome.refusal->message;
                continue;
            }
            std::size_t k = 0;
            for (const auto& record : doc.components) {
                if (record->kindCode == KIND_JOINT || record->kindCode == KIND_WIRE) {
                    continue;
                }
                ASSERT_LT(k, c.exact.size());
                EXPECT_TRUE(agrees(record->pd, c.exact[k].pd))
                    << c.circuit << ", " << record->label << ": p.d. " << record->pd << " for " << c.exact[k].pd;
                EXPECT_TRUE(agrees(record->current, c.exact[k].current))
                    << c.circuit << ", " << record->label << ": current " << record->current << " for "
                    << c.exact[k].current;
                ++k;
                if (k == c.exact.size()) {
                    break;  // the loop's resistors follow
                }
            }
            EXPECT_EQ(k, c.exact.size()) << c.circuit;
        }
    }
}

}  // namespace
}  // namespace kirvolt
