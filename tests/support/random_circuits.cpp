#include "support/random_circuits.h"

#include <algorithm>
#include <cmath>

#include "analysis/disjoint_sets.h"
#include "analysis/node_extraction.h"
#include "support/circuit_builder.h"

namespace kirvolt::testing {
namespace {

int degree(const RandomCircuit& c, int hub)
{
    return static_cast<int>(
        std::count_if(c.parts.begin(), c.parts.end(), [hub](const Part& p) { return p.a == hub || p.b == hub; }));
}

Point hubPoint(int h) { return {20 * h, 0}; }

}  // namespace

RandomCircuit CircuitGenerator::next(int maxHubs)
{
    RandomCircuit c;
    c.hubs = between(size.fewestHubs, maxHubs > 0 ? maxHubs : size.mostHubs);
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

std::pair<int, int> CircuitGenerator::pair(int hubs)
{
    const int a = between(0, hubs - 1);
    return {a, (a + between(1, hubs - 1)) % hubs};
}

void CircuitGenerator::addResistor(RandomCircuit& c, int a, int b)
{
    const double ohms = std::pow(10.0, std::uniform_real_distribution<double>(0.0, 3.0)(random));
    c.parts.push_back(coin() ? Part{KIND_RESISTOR, a, b, ohms} : Part{KIND_RESISTOR, b, a, ohms});
}

double CircuitGenerator::nonZero(double limit)
{
    const double magnitude = std::uniform_real_distribution<double>(0.1, limit)(random);
    return coin() ? magnitude : -magnitude;
}

DrawnCircuit::DrawnCircuit(const RandomCircuit& circuit, CircuitGenerator& generator) : circuit(circuit)
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

void DrawnCircuit::buildAndChooseDatum()
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

}  // namespace kirvolt::testing
