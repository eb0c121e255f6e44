#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/disjoint_sets.h"
#include "analysis/nodal_solver.h"
#include "analysis/node_extraction.h"
#include "support/circuit_builder.h"
#include "support/generated_circuits.h"
#include "support/ngspice.h"

namespace kirvolt {
namespace {

using testing::CircuitBuilder;
using testing::drawGrid;
using testing::GeneratedPart;
using testing::GeneratedParts;
using testing::spiceNetlist;

// A random circuit over numbered hubs 0..hubs-1. Every part runs from hub a to hub b; a
// voltage source's start (a) is its positive terminal, as in a SPICE V card.
struct Part {
    int kind;
    int a;
    int b;
    double value;
};

struct RandomCircuit {
    int hubs = 0;
    int datumHub = 0;
    std::vector<Part> parts;
};

// How large the circuits are: hubs, and at most how many tries at a voltage source that
// closes no loop and how many current sources.
struct CircuitSize {
    int fewestHubs;
    int mostHubs;
    int voltageSourceTries;
    int currentSources;
};

constexpr CircuitSize TEACHING_SIZE{2, 8, 3, 3};
// Above the unknowns that are eliminated densely, so that the sparse factorization solves them.
constexpr CircuitSize LARGE_SIZE{230, 420, 60, 12};

class CircuitGenerator {
public:
    explicit CircuitGenerator(unsigned seed, CircuitSize size = TEACHING_SIZE) : random(seed), size(size) {}

    // Solvable by construction: a spanning tree of resistors, voltage sources that close no
    // loop, and at least two branches at every hub.
    RandomCircuit next()
    {
        RandomCircuit c;
        c.hubs = between(size.fewestHubs, size.mostHubs);
        c.datumHub = between(0, c.hubs - 1);
        for (int k = 1; k < c.hubs; ++k) {
            addResistor(c, k, between(0, k - 1));
        }
        for (int extra = between(0, c.hubs); extra > 0; --extra) {
            const auto [a, b] = pair(c.hubs);
            addResistor(c, a, b);
        }
        DisjointSets tied(c.hubs);
        for (int tries = between(0, size.voltageSourceTries); tries > 0; --tries) {
            const auto [a, b] = pair(c.hubs);
            if (tied.join(a, b)) {
                c.parts.push_back({KIND_VOLTAGE_SOURCE, a, b, nonZero(20)});
            }
        }
        for (int count = between(0, size.currentSources); count > 0; --count) {
            const auto [a, b] = pair(c.hubs);
            c.parts.push_back({KIND_CURRENT_SOURCE, a, b, nonZero(5)});
        }
        for (int hub = 0; hub < c.hubs; ++hub) {
            while (degree(c, hub) < 2) {
                addResistor(c, hub, (hub + between(1, c.hubs - 1)) % c.hubs);
            }
        }
        return c;
    }

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool coin() { return between(0, 1) == 1; }
    std::mt19937& engine() { return random; }

private:
    std::pair<int, int> pair(int hubs)
    {
        const int a = between(0, hubs - 1);
        return {a, (a + between(1, hubs - 1)) % hubs};
    }

    void addResistor(RandomCircuit& c, int a, int b)
    {
        const double ohms = std::pow(10.0, std::uniform_real_distribution<double>(0.0, 3.0)(random));
        c.parts.push_back(coin() ? Part{KIND_RESISTOR, a, b, ohms} : Part{KIND_RESISTOR, b, a, ohms});
    }

    double nonZero(double limit)
    {
        const double magnitude = std::uniform_real_distribution<double>(0.1, limit)(random);
        return coin() ? magnitude : -magnitude;
    }

    static int degree(const RandomCircuit& c, int hub)
    {
        return static_cast<int>(
            std::count_if(c.parts.begin(), c.parts.end(), [hub](const Part& p) { return p.a == hub || p.b == hub; }));
    }

    std::mt19937 random;
    CircuitSize size;
};

// The circuit drawn on the grid: hub h is the point (20h, 0); part k stands at (20k, 50) in a
// random orientation; every hub's terminals are tied to it by a random tree of wires, and
// parts and wires enter the list in random order.
class DrawnCircuit {
public:
    DrawnCircuit(const RandomCircuit& circuit, CircuitGenerator& generator) : circuit(circuit)
    {
        CircuitBuilder build(doc);
        std::vector<std::vector<Point>> pointsAt(circuit.hubs);
        for (int h = 0; h < circuit.hubs; ++h) {
            pointsAt[h].push_back(hubPoint(h));
        }
        for (std::size_t k = 0; k < circuit.parts.size(); ++k) {
            const Part& p = circuit.parts[k];
            CComponent& part = build.element(p.kind, {20 * (static_cast<int>(k) + 1), 50}, generator.between(0, 3), p.value);
            parts.push_back(&part);
            pointsAt[p.a].push_back(part.gridStart);
            pointsAt[p.b].push_back(part.gridFinish);
        }
        for (std::vector<Point>& points : pointsAt) {
            std::shuffle(points.begin() + 1, points.end(), generator.engine());
            for (std::size_t i = 1; i < points.size(); ++i) {
                const Point other = points[generator.between(0, static_cast<int>(i) - 1)];
                generator.coin() ? build.wire(points[i], other) : build.wire(other, points[i]);
            }
        }
        std::shuffle(doc.components.begin(), doc.components.end(), generator.engine());
    }

    CKirvoltDoc doc;
    std::vector<CComponent*> parts;  // by part index
    std::map<int, int> hubOfNode;

    // Builds the nodes, reads which node each hub became and takes the datum hub's node as datum.
    void buildAndChooseDatum()
    {
        buildNodes(doc);
        for (const auto& c : doc.components) {
            if (c->kindCode == KIND_JOINT && c->gridPosition.y == 0) {
                hubOfNode[c->startNode] = c->gridPosition.x / 20;
            }
        }
        for (const auto& [node, hub] : hubOfNode) {
            if (hub == circuit.datumHub) {
                doc.datumNode = node;
            }
        }
    }

private:
    static Point hubPoint(int h) { return {20 * h, 0}; }

    const RandomCircuit& circuit;
};

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
    const double tolerance = 1e-9 * std::max(std::abs(kirvolt), std::abs(spice)) + 1e-12 * scale;
    EXPECT_NEAR(kirvolt, spice, tolerance) << what;
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
        fewestUnknowns = std::min(fewestUnknowns, picture.doc.unknownCount);
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
    ASSERT_TRUE(runNodalAnalysis(doc));
    ASSERT_EQ(doc.unknownCount, 30 * 30);
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
