#include <gtest/gtest.h>

#include "analysis/named_system.h"
#include "analysis/nodal_solver.h"
#include "support/node_circuit.h"

namespace kirvolt {
namespace {

// A source set to 0 V is a short, as a theorem sets it: whatever it shorts stands at the
// rounding of the circuit's voltages, which the solution check must not take for a fault.
TEST(ZeroVoltSource, ShortsWhatItStandsAcrossWithinTheRoundingOfTheCircuit)
{
    struct Case {
        const char* what;
        void (*build)(testing::NodeCircuit&);
        double node2;
        double sourceCurrent;
    };
    const Case cases[] = {
        // The current of J1 goes round through the short across it, away from the datum: the
        // nodes stand at the rounding of the elimination, not at exactly 0 V.
        {"a current source shorted", [](testing::NodeCircuit& c) {
             c.resistor(2, 1, 2.5585, "R1");
             c.resistor(3, 1, 345.06, "R2");
             c.resistor(2, 3, 1.14362, "R3");
             c.resistor(3, 4, 37.3, "R4");
             c.resistor(4, 1, 0.917, "R5");
             c.currentSource(3, 2, 0.731, "J1");
             c.voltageSource(2, 3, 0.0, "E1");
         }, 0.0, 0.731},
        // 10 V over 4 ohm and 6 ohm, the short between them and the datum carrying their 1 A.
        {"a short in series with the datum", [](testing::NodeCircuit& c) {
             c.voltageSource(2, 1, 10.0, "E1");
             c.resistor(2, 3, 4.0, "R1");
             c.resistor(3, 4, 6.0, "R2");
             c.voltageSource(4, 1, 0.0, "E2");
         }, 10.0, 1.0},
    };
    for (const Case& c : cases) {
        CKirvoltDoc doc;
        testing::NodeCircuit circuit(doc, 4);
        c.build(circuit);
        doc.datumNode = 1;
        const AnalysisOutcome outcome = runAnalysis(doc, nodalMethod(), RuleChecks::skipped);
        ASSERT_TRUE(outcome) << c.what << ": " << outcome.refusal->message;
        EXPECT_NEAR(solvedNodeVoltage(doc, 2), c.node2, 1e-12) << c.what;
        EXPECT_NEAR(doc.components.back()->current, c.sourceCurrent, 1e-12) << c.what;
    }
}

}  // namespace
}  // namespace kirvolt
