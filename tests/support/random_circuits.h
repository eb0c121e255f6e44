#pragma once

#include <map>
#include <random>
#include <utility>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt::testing {

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

inline constexpr CircuitSize TEACHING_SIZE{2, 8, 3, 3};
// Above the unknowns that are eliminated densely, so that the sparse factorization solves them.
inline constexpr CircuitSize LARGE_SIZE{230, 420, 60, 12};

class CircuitGenerator {
public:
    explicit CircuitGenerator(unsigned seed, CircuitSize size = TEACHING_SIZE) : random(seed), size(size) {}

    // Solvable by construction: a spanning tree of resistors over the size's hubs (at most
    // maxHubs when one is given), voltage sources that close no loop, and at least two
    // branches at every hub.
    RandomCircuit next(int maxHubs = 0);

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool coin() { return between(0, 1) == 1; }
    std::mt19937& engine() { return random; }

private:
    std::pair<int, int> pair(int hubs);
    void addResistor(RandomCircuit& c, int a, int b);
    double nonZero(double limit);

    std::mt19937 random;
    CircuitSize size;
};

// The circuit drawn on the grid: hub h is the point (20h, 0); part k stands at (20k, 50) in a
// random orientation; every hub's terminals are tied to it by a random tree of wires, and
// parts and wires enter the list in random order.
class DrawnCircuit {
public:
    DrawnCircuit(const RandomCircuit& circuit, CircuitGenerator& generator);

    CKirvoltDoc doc;
    std::vector<CComponent*> parts;  // by part index
    std::map<int, int> hubOfNode;

    // Builds the nodes, reads which node each hub became and takes the datum hub's node as datum.
    void buildAndChooseDatum();

private:
    const RandomCircuit& circuit;
};

}  // namespace kirvolt::testing
