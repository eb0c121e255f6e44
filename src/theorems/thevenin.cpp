#include "theorems/thevenin.h"

#include <algorithm>
#include <deque>

#include "analysis/disjoint_sets.h"
#include "analysis/nodal_solver.h"
#include "document/circuit_file.h"
#include "theorems/analysed_netlist.h"
#include "analysis/named_system.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

std::optional<int> nodeIndex(const Netlist& netlist, const std::string& name)
{
    const auto found = std::find(netlist.nodes.begin(), netlist.nodes.end(), name);
    if (found == netlist.nodes.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - netlist.nodes.begin());
}

// The names of the voltage sources on a chain of them from `from` to `to`, empty when there
// is no such chain.
std::vector<std::string> sourceChain(const Netlist& netlist, int from, int to)
{
    std::vector<int> cameBy(netlist.nodes.size(), -1);
    std::vector<bool> reached(netlist.nodes.size(), false);
    std::deque<int> waiting{from};
    reached[static_cast<std::size_t>(from)] = true;
    while (!waiting.empty()) {
        const int node = waiting.front();
        waiting.pop_front();
        for (std::size_t e = 0; e < netlist.elements.size(); ++e) {
            const NetlistElement& element = netlist.elements[e];
            if (element.kind != KIND_VOLTAGE_SOURCE || (element.start != node && element.finish != node)) {
                continue;
            }
            const int next = element.start == node ? element.finish : element.start;
            if (!reached[static_cast<std::size_t>(next)]) {
                reached[static_cast<std::size_t>(next)] = true;
                cameBy[static_cast<std::size_t>(next)] = static_cast<int>(e);
                waiting.push_back(next);
            }
        }
    }
    std::vector<std::string> chain;
    if (from == to || !reached[static_cast<std::size_t>(to)]) {
        return chain;
    }
    for (int node = to; node != from;) {
        const NetlistElement& element = netlist.elements[static_cast<std::size_t>(cameBy[static_cast<std::size_t>(node)])];
        chain.push_back(element.name);
        node = element.start == node ? element.finish : element.start;
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
}

// Which nodes resistors and voltage sources join, as they do once the sources are set to zero.
DisjointSets zeroedJoins(const Netlist& netlist)
{
    DisjointSets joins(static_cast<int>(netlist.nodes.size()));
    for (const NetlistElement& element : netlist.elements) {
        if (element.kind != KIND_CURRENT_SOURCE) {
            joins.join(element.start, element.finish);
        }
    }
    return joins;
}

// The current sources with one end on A's side of the circuit whose sources are set to zero.
std::vector<std::string> currentSourcesAcross(const Netlist& netlist, int a)
{
    DisjointSets joins = zeroedJoins(netlist);
    std::vector<std::string> across;
    for (const NetlistElement& element : netlist.elements) {
        if (element.kind == KIND_CURRENT_SOURCE && (joins.root(element.start) == joins.root(a)) != (joins.root(element.finish) == joins.root(a))) {
            across.push_back(element.name);
        }
    }
    return across;
}

// The elements whose both ends lie on A's side; a part the zeroed circuit leaves apart from
// the terminals carries no current of the test source and would only float.
Netlist sideOf(const Netlist& netlist, int a)
{
    DisjointSets joins = zeroedJoins(netlist);
    Netlist side = netlist;
    side.elements.clear();
    for (const NetlistElement& element : netlist.elements) {
        if (joins.root(element.start) == joins.root(a) && joins.root(element.finish) == joins.root(a)) {
            side.elements.push_back(element);
        }
    }
    return side;
}

// The circuit with the load taken out, solved as it is drawn, so that its nodes keep the
// numbers and names the student knows them by.
std::variant<std::unique_ptr<CKirvoltDoc>, std::string> openCircuit(const std::vector<std::uint8_t>& bytes,
                                                                    const std::optional<std::string>& load)
{
    auto open = std::make_unique<CKirvoltDoc>();
    readCircuitBytes(bytes, *open);
    prepareNumbering(*open);
    if (load) {
        // Taken from the list alone: the joints stay, and with them every node and its number.
        const auto taken = std::find_if(open->components.begin(), open->components.end(),
                                        [&](const auto& c) { return c->kindCode == KIND_RESISTOR && c->label == *load; });
        open->components.erase(taken);
    }
    if (const AnalysisOutcome outcome = runAnalysis(*open, nodalMethod(), RuleChecks::skipped); !outcome) {
        return outcome.refusal->message;
    }
    return open;
}

std::optional<std::string> findTerminals(const TheveninQuestion& question, TheveninStudy& study)
{
    Netlist& circuit = study.circuit;
    if (question.load) {
        const auto load = std::find_if(circuit.elements.begin(), circuit.elements.end(), [&](const NetlistElement& e) {
            return e.kind == KIND_RESISTOR && e.name == *question.load;
        });
        if (load == circuit.elements.end()) {
            return fillIn(wording("Thevenin", "There is no resistor named %1 in this circuit."), {*question.load});
        }
        study.load = load->name;
        study.terminalA = load->start;
        study.terminalB = load->finish;
        circuit.elements.erase(load);
    }
    for (const auto& [name, terminal] : {std::pair{question.a, &study.terminalA}, std::pair{question.b, &study.terminalB}}) {
        if (name) {
            const std::optional<int> index = nodeIndex(circuit, *name);
            if (!index) {
                return fillIn(wording("Thevenin", "There is no node named %1 in this circuit."), {*name});
            }
            *terminal = *index;
        }
    }
    study.a = circuit.nodes[static_cast<std::size_t>(study.terminalA)];
    study.b = circuit.nodes[static_cast<std::size_t>(study.terminalB)];
    if (study.terminalA == study.terminalB) {
        return fillIn(wording("Thevenin", "Node %1 is both terminals: choose two different nodes."), {study.a});
    }
    return std::nullopt;
}

}  // namespace

Netlist sourcesSetToZero(const Netlist& netlist)
{
    Netlist zeroed = netlist;
    std::erase_if(zeroed.elements, [](const NetlistElement& e) { return e.kind == KIND_CURRENT_SOURCE; });
    for (NetlistElement& element : zeroed.elements) {
        if (element.kind == KIND_VOLTAGE_SOURCE) {
            element.value = 0.0;
        }
    }
    return zeroed;
}

std::variant<TheveninStudy, std::string> studyThevenin(CKirvoltDoc& doc, const TheveninQuestion& question)
{
    const std::vector<std::uint8_t> bytes = circuitBytes(doc);
    CKirvoltDoc analysed;
    readCircuitBytes(bytes, analysed);
    if (const AnalysisOutcome outcome = runNodalAnalysis(analysed); !outcome) {
        return outcome.refusal->message;
    }
    TheveninStudy study;
    std::vector<int> nodeNumbers;
    study.circuit = analysedNetlist(analysed, nodeNumbers);
    if (const std::optional<std::string> refusal = findTerminals(question, study)) {
        return *refusal;
    }
    const Netlist& circuit = study.circuit;
    const int a = study.terminalA;
    const int b = study.terminalB;
    study.nodeA = nodeNumbers[static_cast<std::size_t>(a)];
    study.nodeB = nodeNumbers[static_cast<std::size_t>(b)];

    // 1. How the terminals are joined once the sources are zero decides which equivalents exist.
    study.tyingSources = sourceChain(circuit, a, b);
    DisjointSets joins = zeroedJoins(circuit);
    if (joins.root(a) != joins.root(b)) {
        study.cutSources = currentSourcesAcross(circuit, a);
    }
    const bool thevenin = joins.root(a) == joins.root(b);
    const bool norton = study.tyingSources.empty();

    // 2. The open-circuit voltage.
    if (thevenin) {
        auto open = openCircuit(bytes, study.load);
        if (const auto* refusal = std::get_if<std::string>(&open)) {
            return *refusal;
        }
        study.open = std::move(std::get<0>(open));
        study.vth = solvedNodeVoltage(*study.open, study.nodeA) - solvedNodeVoltage(*study.open, study.nodeB);
    }
    // 3. The resistance seen with the sources at zero: a test current into A and out of B.
    if (thevenin && norton) {
        Netlist zeroed = sideOf(sourcesSetToZero(circuit), a);
        zeroed.elements.push_back({KIND_CURRENT_SOURCE, "Jtest", b, a, TEST_CURRENT});
        study.zeroed = solveNetlist(zeroed);
        if (study.zeroed.refusal) {
            return *study.zeroed.refusal;
        }
        study.rth = (study.zeroed.voltage(a) - study.zeroed.voltage(b)) / TEST_CURRENT;
    } else if (thevenin) {
        study.rth = 0.0;
    }
    // 4. The short-circuit current, from A through the wire to B.
    if (norton) {
        Netlist shorted = circuit;
        shorted.elements.push_back({KIND_VOLTAGE_SOURCE, "Eshort", a, b, 0.0});
        study.shorted = solveNetlist(shorted);
        if (study.shorted.refusal) {
            return *study.shorted.refusal;
        }
        study.in = study.shorted.sourceCurrent(shorted.elements.size() - 1);
    }
    return study;
}

std::optional<Netlist> theveninCircuit(const TheveninStudy& study)
{
    if (!study.vth) {
        return std::nullopt;
    }
    Netlist netlist;
    netlist.nodes = {study.b, study.a};
    if (*study.rth == 0.0) {
        netlist.elements.push_back({KIND_VOLTAGE_SOURCE, "Vth", 1, 0, *study.vth});
        return netlist;
    }
    netlist.nodes.push_back(study.a == "X" || study.b == "X" ? "Y" : "X");
    netlist.elements.push_back({KIND_VOLTAGE_SOURCE, "Vth", 2, 0, *study.vth});
    netlist.elements.push_back({KIND_RESISTOR, "Rth", 2, 1, *study.rth});
    return netlist;
}

std::optional<Netlist> nortonCircuit(const TheveninStudy& study)
{
    if (!study.in) {
        return std::nullopt;
    }
    Netlist netlist;
    netlist.nodes = {study.b, study.a};
    netlist.elements.push_back({KIND_CURRENT_SOURCE, "In", 0, 1, *study.in});
    if (study.rth) {
        netlist.elements.push_back({KIND_RESISTOR, "Rth", 1, 0, *study.rth});
    }
    return netlist;
}

}  // namespace kirvolt
