#include "support/lattice_circuits.h"

#include <algorithm>
#include <numeric>

#include "support/circuit_builder.h"

namespace kirvolt::testing {
namespace {

constexpr int ORIGIN = 10;
constexpr int SIDE = 10;

double uniform(std::mt19937& random, double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); }

}  // namespace

Point latticePoint(int i, int j) { return {ORIGIN + SIDE * i, ORIGIN + SIDE * j}; }

std::vector<CComponent*> drawLattice(const LatticeCircuit& circuit, CKirvoltDoc& doc)
{
    CircuitBuilder build(doc);
    std::vector<CComponent*> records;
    for (const LatticeEdge& e : circuit.edges) {
        Point near = latticePoint(e.i, e.j);
        Point far = e.horizontal ? latticePoint(e.i + 1, e.j) : latticePoint(e.i, e.j + 1);
        if (!e.startsNear) {
            std::swap(near, far);
        }
        records.push_back(e.kind == KIND_WIRE ? &build.wire(near, far) : &build.between(e.kind, near, far, e.value));
    }
    return records;
}

LatticeCircuit randomLatticeCircuit(std::mt19937& random)
{
    LatticeCircuit circuit;
    std::uniform_int_distribution<int> size(1, 3);
    circuit.cols = size(random);
    circuit.rows = size(random);
    const int width = circuit.cols + 1;
    // Wires join lattice points; one that would close a loop of wires becomes a resistor.
    std::vector<int> wireGroup(static_cast<std::size_t>(width * (circuit.rows + 1)));
    std::iota(wireGroup.begin(), wireGroup.end(), 0);
    const auto group = [&wireGroup](int p) {
        while (wireGroup[static_cast<std::size_t>(p)] != p) {
            p = wireGroup[static_cast<std::size_t>(p)];
        }
        return p;
    };
    const auto side = [&](bool horizontal, int i, int j) {
        if (uniform(random, 0, 1) < 0.12) {
            return;
        }
        LatticeEdge e{horizontal, i, j, KIND_RESISTOR, uniform(random, 1, 100), uniform(random, 0, 1) < 0.5};
        const double pick = uniform(random, 0, 1);
        if (pick < 0.15) {
            e.kind = KIND_VOLTAGE_SOURCE;
            e.value = uniform(random, 1, 20);
        } else if (pick < 0.32) {
            e.kind = KIND_CURRENT_SOURCE;
            e.value = uniform(random, 0.1, 3);
        } else if (pick < 0.38) {
            const int a = group(i + width * j);
            const int b = group(horizontal ? i + 1 + width * j : i + width * (j + 1));
            if (a != b) {
                wireGroup[static_cast<std::size_t>(a)] = b;
                e.kind = uniform(random, 0, 1) < 0.5 ? KIND_WIRE : KIND_AMMETER;
            }
        }
        circuit.edges.push_back(e);
    };
    for (int j = 0; j <= circuit.rows; ++j) {
        for (int i = 0; i <= circuit.cols; ++i) {
            if (i < circuit.cols) {
                side(true, i, j);
            }
            if (j < circuit.rows) {
                side(false, i, j);
            }
        }
    }
    std::shuffle(circuit.edges.begin(), circuit.edges.end(), random);
    return circuit;
}

}  // namespace kirvolt::testing
