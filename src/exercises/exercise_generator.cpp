#include "exercises/exercise_generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "analysis/mesh_method.h"
#include "analysis/nodal_solver.h"
#include "document/wording.h"
#include "exercises/seeded_random.h"
#include "spice/circuit_layout.h"

namespace kirvolt {
namespace {

// The E12 series in the decade of tens of ohms.
constexpr std::array<int, 12> E12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr int MOST_VOLTS = 24;

// The results give currents to hundredths of an ampere, so the resistances stay in the decade
// of tens of ohms and the current sources whole amperes; the voltages come out at a few volts
// to a few tens of volts.
constexpr int MOST_AMPS = 2;

// How many solvable circuits the nicest answer is chosen from, and how many tries at all; the
// construction makes refusals rare, so the limit is never reached in practice.
constexpr int CANDIDATES = 4;
constexpr int MOST_TRIES = 64;

// A count in words from the phrases for one and for more (%1 the count).
std::string counted(int count, const char* one, const char* many)
{
    return fillIn(wording("Exercises", count == 1 ? one : many), {std::to_string(count)});
}

std::string nodesText(int nodes)
{
    return counted(nodes, WORDING_NOOP("Exercises", "%1 node besides the datum"),
                   WORDING_NOOP("Exercises", "%1 nodes besides the datum"));
}

std::string voltageSourcesText(int count)
{
    return counted(count, WORDING_NOOP("Exercises", "%1 voltage source"), WORDING_NOOP("Exercises", "%1 voltage sources"));
}

class CandidateBuilder {
public:
    CandidateBuilder(SeededRandom& random, const ExerciseCounts& counts)
        : random(random), counts(counts), degree(static_cast<std::size_t>(counts.nodes) + 1, 0)
    {
    }

    Netlist build()
    {
        spanningTree();
        extraResistors();
        currentSources();
        joinEveryNodeTwice();
        return named();
    }

private:
    // 1. A random tree over all nodes, each node after the first hung from an earlier one. The
    // voltage sources are tree branches, so they can close no loop, and without the current
    // sources the circuit stays connected, so those form no cut set.
    void spanningTree()
    {
        std::vector<std::pair<int, int>> tree;
        for (int k = 1; k <= counts.nodes; ++k) {
            tree.emplace_back(random.between(0, k - 1), k);
        }
        for (int k = 0; k < counts.voltageSources; ++k) {
            std::swap(tree[static_cast<std::size_t>(k)], tree[static_cast<std::size_t>(random.between(k, counts.nodes - 1))]);
        }
        for (std::size_t k = 0; k < tree.size(); ++k) {
            const auto [a, b] = tree[k];
            if (static_cast<int>(k) < counts.voltageSources) {
                voltageSource(a, b);
            } else {
                resistor(a, b);
            }
        }
    }

    // 2. A few resistors more, each between nodes not yet joined, to make meshes.
    void extraResistors()
    {
        const int extras = random.between((counts.nodes + 1) / 2, counts.nodes);
        for (int k = 0; k < extras; ++k) {
            if (const auto pair = freePair(-1)) {
                resistor(pair->first, pair->second);
            }
        }
    }

    // 3. Current sources across free pairs where there are any.
    void currentSources()
    {
        for (int k = 0; k < counts.currentSources; ++k) {
            const auto pair = freePair(-1).value_or(anyPair());
            add(KIND_CURRENT_SOURCE, pair.first, pair.second, random.between(1, MOST_AMPS));
        }
    }

    // 4. The rule checks want every node at two elements or more.
    void joinEveryNodeTwice()
    {
        for (int node = 0; node <= counts.nodes; ++node) {
            while (degree[static_cast<std::size_t>(node)] < 2) {
                const auto pair = freePair(node).value_or(std::pair{node, node == 0 ? 1 : 0});
                resistor(pair.first, pair.second);
            }
        }
    }

    // A random pair of nodes with no element between them (one of them `node` unless it is -1).
    std::optional<std::pair<int, int>> freePair(int node) const
    {
        std::vector<std::pair<int, int>> free;
        for (int a = 0; a <= counts.nodes; ++a) {
            for (int b = a + 1; b <= counts.nodes; ++b) {
                if ((node < 0 || a == node || b == node) && !joined(a, b)) {
                    free.emplace_back(a, b);
                }
            }
        }
        if (free.empty()) {
            return std::nullopt;
        }
        return free[static_cast<std::size_t>(random.between(0, static_cast<int>(free.size()) - 1))];
    }

    std::pair<int, int> anyPair() const
    {
        const int a = random.between(0, counts.nodes - 1);
        return {a, random.between(a + 1, counts.nodes)};
    }

    bool joined(int a, int b) const
    {
        return std::any_of(netlist.elements.begin(), netlist.elements.end(), [a, b](const NetlistElement& e) {
            return (e.start == a && e.finish == b) || (e.start == b && e.finish == a);
        });
    }

    void resistor(int a, int b)
    {
        add(KIND_RESISTOR, a, b, E12[static_cast<std::size_t>(random.between(0, 11))]);
    }

    // A source to the datum stands with its positive terminal up, as textbooks draw it.
    void voltageSource(int a, int b)
    {
        if (a == 0 || (b != 0 && random.coin())) {
            std::swap(a, b);
        }
        add(KIND_VOLTAGE_SOURCE, a, b, random.between(1, MOST_VOLTS));
    }

    void add(std::uint16_t kind, int a, int b, double value)
    {
        if (kind == KIND_CURRENT_SOURCE && random.coin()) {
            std::swap(a, b);
        }
        netlist.elements.push_back({kind, "", a, b, value});
        ++degree[static_cast<std::size_t>(a)];
        ++degree[static_cast<std::size_t>(b)];
    }

    Netlist named()
    {
        netlist.nodes.push_back("0");
        for (int k = 1; k <= counts.nodes; ++k) {
            netlist.nodes.push_back(std::string(1, static_cast<char>('A' + k - 1)));
        }
        int resistors = 0, voltageSources = 0, currentSources = 0;
        for (NetlistElement& e : netlist.elements) {
            e.name = e.kind == KIND_RESISTOR         ? "R" + std::to_string(++resistors)
                     : e.kind == KIND_VOLTAGE_SOURCE ? "E" + std::to_string(++voltageSources)
                                                     : "J" + std::to_string(++currentSources);
        }
        return std::move(netlist);
    }

    SeededRandom& random;
    const ExerciseCounts& counts;
    std::vector<int> degree;
    Netlist netlist;
};

// A node at 0 V besides the datum asks nothing of the student, so it does not count.
bool wholeTenths(double volts)
{
    return std::fabs(volts) > 1e-6 && std::fabs(volts * 10.0 - std::round(volts * 10.0)) < 1e-6;
}

// How many of the solved circuit's element terminals stand at whole tenths of a volt.
int niceVoltages(const CKirvoltDoc& doc)
{
    int nice = 0;
    for (const auto& c : doc.components) {
        if (isSourceOrResistorKind(c->kindCode)) {
            nice += (wholeTenths(c->startVoltage) ? 1 : 0) + (wholeTenths(c->finishVoltage) ? 1 : 0);
        }
    }
    return nice;
}

// The circuit's niceness, or none when it cannot be drawn or the analysis refuses it. An
// exercise for any method is judged as it was always drawn, so that a seed keeps its circuit;
// one for meshes as it is drawn, without a crossing and with two meshes or more.
std::optional<int> solvedNiceness(const Netlist& netlist, ExerciseMethod method)
{
    CKirvoltDoc doc;
    if (method == ExerciseMethod::any) {
        if (layoutCircuit(netlist, doc).refusal || !runNodalAnalysis(doc)) {
            return std::nullopt;
        }
        return niceVoltages(doc);
    }
    if (layoutCircuitWithoutCrossings(netlist, doc).refusal) {
        return std::nullopt;
    }
    const AnalysisOutcome outcome = runAnalysis(doc, meshMethod());
    if (!outcome || outcome.unknownCount.value_or(0) < 2) {
        return std::nullopt;
    }
    return niceVoltages(doc);
}

}  // namespace

std::string exerciseCountsText(const ExerciseCounts& counts)
{
    return fillIn(wording("Exercises", "%1, %2, %3"),
                  {nodesText(counts.nodes), voltageSourcesText(counts.voltageSources),
                   counted(counts.currentSources, WORDING_NOOP("Exercises", "%1 current source"),
                           WORDING_NOOP("Exercises", "%1 current sources"))});
}

std::optional<std::string> exerciseCountsRefusal(const ExerciseCounts& counts)
{
    if (counts.nodes < 1 || counts.nodes > EXERCISE_MOST_NODES) {
        return fillIn(wording("Exercises", "An exercise has from 1 to %1 nodes besides the datum."),
                      {std::to_string(EXERCISE_MOST_NODES)});
    }
    if (counts.voltageSources < 0 || counts.currentSources < 0) {
        return wording("Exercises", "An exercise cannot have a negative number of sources.");
    }
    if (counts.voltageSources + counts.currentSources == 0) {
        return wording("Exercises", "An exercise needs at least one voltage source or current source:\nwithout one every voltage is 0 V.");
    }
    if (counts.voltageSources > counts.nodes) {
        return fillIn(wording("Exercises", "An exercise with %1 can have at most %2:\none more would close a loop of voltage sources."),
                      {nodesText(counts.nodes), voltageSourcesText(counts.nodes)});
    }
    if (counts.currentSources > counts.nodes + 1) {
        return fillIn(wording("Exercises", "An exercise with %1 can have at most %2 current sources:\nmore would crowd the drawing."),
                      {nodesText(counts.nodes), std::to_string(counts.nodes + 1)});
    }
    return std::nullopt;
}

std::optional<Netlist> exerciseNetlist(std::uint64_t seed, const ExerciseCounts& counts, ExerciseMethod method)
{
    if (exerciseCountsRefusal(counts)) {
        return std::nullopt;
    }
    SeededRandom random(seed);
    std::optional<Netlist> best;
    int bestNiceness = -1;
    int solved = 0;
    for (int tries = 0; tries < MOST_TRIES && solved < CANDIDATES; ++tries) {
        Netlist candidate = CandidateBuilder(random, counts).build();
        if (const std::optional<int> niceness = solvedNiceness(candidate, method)) {
            ++solved;
            if (*niceness > bestNiceness) {
                bestNiceness = *niceness;
                best = std::move(candidate);
            }
        }
    }
    return best;
}

std::optional<std::string> drawExercise(std::uint64_t seed, const ExerciseCounts& counts, CKirvoltDoc& doc,
                                        ExerciseMethod method)
{
    if (auto refusal = exerciseCountsRefusal(counts)) {
        return refusal;
    }
    const std::optional<Netlist> netlist = exerciseNetlist(seed, counts, method);
    if (!netlist) {
        return method == ExerciseMethod::meshes
                   ? wording("Exercises", "No exercise of this size with two meshes or more, drawn without a crossing, "
                                          "comes from this seed; try another seed or more nodes.")
                   : wording("Exercises", "No solvable exercise of this size comes from this seed; try another seed.");
    }
    return layoutCircuitWithoutCrossings(*netlist, doc).refusal;
}

}  // namespace kirvolt
