#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/nodal_solver.h"
#include "support/generated_circuits.h"
#include "support/ngspice.h"
#include "support/random_circuits.h"

namespace kirvolt {
namespace {

using testing::CircuitGenerator;
using testing::drawGrid;
using testing::GeneratedPart;
using testing::GeneratedParts;
using testing::LARGE_SIZE;
using testing::spiceNetlist;
using testing::DrawnCircuit;
using testing::Part;
using testing::RandomCircuit;

std::string spiceNode(int circuit, int hub, int datumHub)
{
    return hub == datumHub ? "0" : std::string("c").append(std::to_string(circuit)).append("_n").append(std::to_string(hub));
}

std::string spiceName(int circuit, int k, const Part& p)
{
    const char letter = p.kind == KIND_RESISTOR ? 'r' : (p.kind == KIND_VOLTAGE_SOURCE ? 'v' : 'i');
    return letter + std::string("c") + std::to_string(circuit) + "_" + std::to_string(k);
}

// All circuits in one netlist; they share only the ground node, so none affects another.
std::string netlist(const std::vector<RandomCircuit>& circuits)
{
    std::ostringstream text;
    text.precision(17);
    text << "kirvolt comparison\n";
    for (std::size_t c = 0; c < circuits.size(); ++c) {
        const RandomCircuit& circuit = circuits[c];
        for (std::size_t k = 0; k < circuit.parts.size(); ++k) {
            const Part& p = circuit.parts[k];
            text << spiceName(static_cast<int>(c), static_cast<int>(k), p) << ' '
                 << spiceNode(static_cast<int>(c), p.a, circuit.datumHub) << ' '
                 << spiceNode(static_cast<int>(c), p.b, circuit.datumHub) << (p.kind == KIND_RESISTOR ? " " : " DC ")
                 << p.value << '\n';
        }
    }
    text << ".control\nset numdgt=15\nop\nprint all\n.endc\n.end\n";
    return text.str();
}

// Agreement to 1e-9 relative. Values that cancel to nearly zero carry rounding noise of the
// size of the circuit's largest value times the machine epsilon, so an absolute floor of
// 1e-12 of that largest value applies as well.
void expectClose(double kirvolt, double spice, double scale, const std::string& what)
{
    EXPECT_NEAR(kirvolt, spice, testing::agreementTolerance(kirvolt, spice, scale)) << what;
}

// Solves random circuits until `circuits` have been solved and compares every result with
// ngspice's operating point of the same circuits; gives the unknowns of the smallest system.
int compareRandomCircuits(int circuits, CircuitGenerator generator)
{
    const int CIRCUITS = circuits;
    std::vector<RandomCircuit> solved;
    std::vector<std::unique_ptr<DrawnCircuit>> drawn;
    int refusedAsSeriesSources = 0;
    while (static_cast<int>(solved.size()) < CIRCUITS) {
        RandomCircuit circuit = generator.next();
        auto picture = std::make_unique<DrawnCircuit>(circuit, generator);
        picture->buildAndChooseDatum();
        EXPECT_EQ(static_cast<int>(picture->hubOfNode.size()), circuit.hubs);
        if (!runNodalAnalysis(picture->doc)) {
            // Only the series current-source rule may refuse these circuits.
            EXPECT_GE(picture->doc.nodeCount, 2);
            ++refusedAsSeriesSources;
            continue;
        }
        solved.push_back(std::move(circuit));
        drawn.push_back(std::move(picture));
    }
    const std::map<std::string, double> spice = kirvolt::testing::runNgspice(netlist(solved));
    if (spice.empty()) {
        ADD_FAILURE() << "ngspice could not be run";
        return 0;
    }
    int fewestUnknowns = INT32_MAX;
    EXPECT_LT(refusedAsSeriesSources, CIRCUITS);

    for (int c = 0; c < CIRCUITS; ++c) {
        const RandomCircuit& circuit = solved[c];
        const DrawnCircuit& picture = *drawn[c];
        fewestUnknowns = std::min(fewestUnknowns, nodalUnknownCount(picture.doc));
        auto voltage = [&](int node) {
            const int hub = picture.hubOfNode.at(node);
            return hub == circuit.datumHub ? 0.0 : spice.at(spiceNode(c, hub, circuit.datumHub));
        };
        double voltageScale = 0;
        double currentScale = 0;
        for (const Part& p : circuit.parts) {
            voltageScale = std::max(voltageScale, std::abs(p.kind == KIND_VOLTAGE_SOURCE ? p.value : 0.0));
            currentScale = std::max(currentScale, std::abs(p.kind == KIND_CURRENT_SOURCE ? p.value : 0.0));
        }
        for (int node = 1; node <= picture.doc.nodeCount; ++node) {
            voltageScale = std::max(voltageScale, std::abs(voltage(node)));
        }
        currentScale = std::max(currentScale, voltageScale / 1.0);  // no resistor is below 1 ohm
        for (std::size_t k = 0; k < circuit.parts.size(); ++k) {
            const Part& p = circuit.parts[k];
            const CComponent& record = *picture.parts[k];
            const std::string what = "circuit " + std::to_string(c) + " " + spiceName(c, static_cast<int>(k), p);
            const double pd = voltage(record.startNode) - voltage(record.finishNode);
            expectClose(record.startVoltage, voltage(record.startNode), voltageScale, what + " start voltage");
            expectClose(record.pd, pd, voltageScale, what + " p.d.");
            if (p.kind == KIND_RESISTOR) {
                EXPECT_GE(record.pd, 0) << what;
                EXPECT_GE(record.current, 0) << what;
                expectClose(record.current, pd / p.value, currentScale, what + " current");
            } else if (p.kind == KIND_VOLTAGE_SOURCE) {
                expectClose(record.current, spice.at(spiceName(c, static_cast<int>(k), p) + "#branch"), currentScale,
                            what + " current");
            }
        }
    }
    return fewestUnknowns;
}

TEST(NgspiceComparison, RandomCircuitsAgreeWithNgspice)
{
    compareRandomCircuits(300, CircuitGenerator(20240607u));
}

TEST(NgspiceComparison, LargeRandomCircuitsAgreeWithNgspice)
{
    EXPECT_GT(compareRandomCircuits(6, CircuitGenerator(20250113u, LARGE_SIZE)), 200);
}

// A grid drawn as a user draws it, its node voltages read at the terminals of every part.
TEST(NgspiceComparison, LargeGridAgreesWithNgspice)
{
    CKirvoltDoc doc;
    const GeneratedParts parts = drawGrid(doc, 30);
    const AnalysisOutcome outcome = runNodalAnalysis(doc);
    ASSERT_TRUE(outcome);
    ASSERT_EQ(outcome.unknownCount, 30 * 30);
    const std::map<std::string, double> spice = kirvolt::testing::runNgspice(spiceNetlist(parts));
    ASSERT_FALSE(spice.empty()) << "ngspice could not be run";
    const auto voltage = [&](int node) { return node == 0 ? 0.0 : spice.at("n" + std::to_string(node)); };
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const GeneratedPart& p = parts[k];
        const std::string what = "part " + std::to_string(k);
        const double pd = voltage(p.start) - voltage(p.finish);
        if (p.kind == KIND_RESISTOR) {
            // The analysis turns a resistor round when its p.d. comes out negative.
            expectClose(p.record->pd, std::abs(pd), 12.0, what + " p.d.");
            expectClose(p.record->current, std::abs(pd) / p.value, 12.0, what + " current");
        } else {
            expectClose(p.record->startVoltage, voltage(p.start), 12.0, what + " start voltage");
            expectClose(p.record->finishVoltage, voltage(p.finish), 12.0, what + " finish voltage");
            expectClose(p.record->current, spice.at("v" + std::to_string(k) + "#branch"), 1.0, what + " current");
        }
    }
}

}  // namespace
}  // namespace kirvolt
