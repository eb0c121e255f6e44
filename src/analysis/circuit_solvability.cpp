#include "analysis/circuit_solvability.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <queue>
#include <vector>

#include "analysis/branch_tables.h"
#include "analysis/disjoint_sets.h"
#include "analysis/macro_node.h"
#include "document/text_lists.h"
#include "document/value_range.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

struct Link {
    int node;
    int branch;
};


// A resistor of value 0 is left out of the nodal system, so it joins nothing.
bool fixesVoltage(const CKirvoltDoc& doc, int j)
{
    return doc.branchKinds[j] == KIND_VOLTAGE_SOURCE ||
           (doc.branchKinds[j] == KIND_RESISTOR && doc.branchValues[j] != 0.0);
}

std::string branchNames(const CKirvoltDoc& doc, const std::vector<int>& branches)
{
    std::vector<std::string> names;
    for (int j : branches) {
        names.push_back(doc.labels[j]);
    }
    return joinWith(names, ", ");
}

std::string nodeNames(const CKirvoltDoc& doc, const std::vector<int>& nodes)
{
    std::vector<std::string> names;
    for (int k : nodes) {
        names.push_back(nodeName(doc, k));
    }
    return joinWith(names, ", ");
}

// The sources on the path from one node to another through the forest of sources added so far.
std::vector<int> forestPath(const std::vector<std::vector<Link>>& forest, int from, int to)
{
    std::vector<Link> cameBy(forest.size(), Link{0, 0});
    std::vector<char> seen(forest.size(), 0);
    std::queue<int> queue;
    queue.push(from);
    seen[from] = 1;
    while (!queue.empty() && !seen[to]) {
        const int here = queue.front();
        queue.pop();
        for (const Link& link : forest[here]) {
            if (!seen[link.node]) {
                seen[link.node] = 1;
                cameBy[link.node] = {here, link.branch};
                queue.push(link.node);
            }
        }
    }
    std::vector<int> branches;
    for (int k = to; k != from; k = cameBy[k].node) {
        branches.push_back(cameBy[k].branch);
    }
    return branches;
}

// The voltage sources of the first closed loop met in branch order, ascending; empty if none.
std::vector<int> voltageSourceLoop(const CKirvoltDoc& doc)
{
    DisjointSets tied(numberedNodeCount(doc));
    std::vector<std::vector<Link>> forest(numberedNodeCount(doc) + 1);
    for (int j = 1; j <= numberedBranchCount(doc); ++j) {
        const int s = doc.branchStartNodes[j];
        const int f = doc.branchFinishNodes[j];
        if (doc.branchKinds[j] != KIND_VOLTAGE_SOURCE || !isNumberedNode(doc, s) || !isNumberedNode(doc, f)) {
            continue;
        }
        if (s == f) {
            return {j};
        }
        if (!tied.join(s, f)) {
            std::vector<int> loop = forestPath(forest, s, f);
            loop.push_back(j);
            std::sort(loop.begin(), loop.end());
            return loop;
        }
        forest[s].push_back({f, j});
        forest[f].push_back({s, j});
    }
    return {};
}

std::string loopMessage(const CKirvoltDoc& doc, const std::vector<int>& loop)
{
    if (loop.size() == 1) {
        return fillIn(wording("Solvability",
                              "Voltage Source %1 has both of its terminals on the same node, so it forms a closed loop by itself.\n"
                              "Its EMF cannot appear across a single node, and the current through it cannot be found.\n\n"
                              "Please remove this voltage source, or connect its terminals to two different nodes,\n"
                              "then apply the analysis again."),
                      {doc.labels[loop.front()]});
    }
    return fillIn(wording("Solvability",
                          "Voltage Sources %1 form a closed loop.\n"
                          "Around a closed loop the EMFs must add up to zero, and even when they do,\n"
                          "the current that circulates around the loop cannot be found from the node voltages.\n\n"
                          "Please remove one of these voltage sources, or put a resistor in series with it,\n"
                          "then apply the analysis again."),
                  {branchNames(doc, loop)});
}

// Groups the nodes that resistors and voltage sources join; a group without the datum node
// has nothing that fixes its voltages.
struct FloatingPart {
    std::vector<int> nodes;
    std::vector<int> currentSources;  // joining the part to the rest of the circuit
};

std::optional<FloatingPart> firstFloatingPart(const CKirvoltDoc& doc)
{
    DisjointSets joinedTo(numberedNodeCount(doc));
    for (int j = 1; j <= numberedBranchCount(doc); ++j) {
        const int s = doc.branchStartNodes[j];
        const int f = doc.branchFinishNodes[j];
        if (fixesVoltage(doc, j) && isNumberedNode(doc, s) && isNumberedNode(doc, f)) {
            joinedTo.join(s, f);
        }
    }
    const int datumGroup = joinedTo.root(doc.datumNode);
    for (int k = 1; k <= numberedNodeCount(doc); ++k) {
        if (joinedTo.root(k) == datumGroup) {
            continue;
        }
        FloatingPart part;
        const int group = joinedTo.root(k);
        for (int m = k; m <= numberedNodeCount(doc); ++m) {
            if (joinedTo.root(m) == group) {
                part.nodes.push_back(m);
            }
        }
        for (int j = 1; j <= numberedBranchCount(doc); ++j) {
            const int s = doc.branchStartNodes[j];
            const int f = doc.branchFinishNodes[j];
            if (doc.branchKinds[j] == KIND_CURRENT_SOURCE && isNumberedNode(doc, s) && isNumberedNode(doc, f) &&
                ((joinedTo.root(s) == group) != (joinedTo.root(f) == group))) {
                part.currentSources.push_back(j);
            }
        }
        return part;
    }
    return std::nullopt;
}

std::string floatingMessage(const CKirvoltDoc& doc, const FloatingPart& part)
{
    const bool one = part.nodes.size() == 1;
    const std::string nodes = nodeNames(doc, part.nodes);
    const std::string datum = nodeName(doc, doc.datumNode);
    if (part.currentSources.empty()) {
        const char* sentence =
            one ? WORDING_NOOP("Solvability",
                               "Node %1 has no path through resistors or voltage sources to the datum node %2,\n"
                               "so nothing ties its voltage to the datum node and the analysis cannot find it.\n\n"
                               "Please connect this part of the circuit to the rest of the circuit through a resistor,\n"
                               "a voltage source or a wire, or remove it, then apply the analysis again.")
                : WORDING_NOOP("Solvability",
                               "Nodes %1 have no path through resistors or voltage sources to the datum node %2,\n"
                               "so nothing ties their voltages to the datum node and the analysis cannot find them.\n\n"
                               "Please connect this part of the circuit to the rest of the circuit through a resistor,\n"
                               "a voltage source or a wire, or remove it, then apply the analysis again.");
        return fillIn(wording("Solvability", sentence), {nodes, datum});
    }
    const bool oneSource = part.currentSources.size() == 1;
    const char* sentence = nullptr;
    if (one) {
        sentence = oneSource
                       ? WORDING_NOOP("Solvability",
                                      "Node %1 is connected to the rest of the circuit only through Current Source %2.\n"
                                      "A current source fixes the current in its branch but not the voltage across it,\n"
                                      "so nothing ties the voltage of this node to the datum node %3 and the analysis cannot find it.\n\n"
                                      "Please add a resistor or a voltage source between this part and the rest of the circuit,\n"
                                      "then apply the analysis again.")
                       : WORDING_NOOP("Solvability",
                                      "Node %1 is connected to the rest of the circuit only through Current Sources %2.\n"
                                      "A current source fixes the current in its branch but not the voltage across it,\n"
                                      "so nothing ties the voltage of this node to the datum node %3 and the analysis cannot find it.\n\n"
                                      "Please add a resistor or a voltage source between this part and the rest of the circuit,\n"
                                      "then apply the analysis again.");
    } else {
        sentence = oneSource
                       ? WORDING_NOOP("Solvability",
                                      "Nodes %1 are connected to the rest of the circuit only through Current Source %2.\n"
                                      "A current source fixes the current in its branch but not the voltage across it,\n"
                                      "so nothing ties the voltages of these nodes to the datum node %3 and the analysis cannot find them.\n\n"
                                      "Please add a resistor or a voltage source between this part and the rest of the circuit,\n"
                                      "then apply the analysis again.")
                       : WORDING_NOOP("Solvability",
                                      "Nodes %1 are connected to the rest of the circuit only through Current Sources %2.\n"
                                      "A current source fixes the current in its branch but not the voltage across it,\n"
                                      "so nothing ties the voltages of these nodes to the datum node %3 and the analysis cannot find them.\n\n"
                                      "Please add a resistor or a voltage source between this part and the rest of the circuit,\n"
                                      "then apply the analysis again.");
    }
    return fillIn(wording("Solvability", sentence), {nodes, branchNames(doc, part.currentSources), datum});
}

}  // namespace

std::optional<std::string> unsolvableCircuitMessage(const CKirvoltDoc& doc)
{
    if (const std::vector<int> loop = voltageSourceLoop(doc); !loop.empty()) {
        return loopMessage(doc, loop);
    }
    if (const auto part = firstFloatingPart(doc)) {
        return floatingMessage(doc, *part);
    }
    return std::nullopt;
}

std::string singularSystemMessage()
{
    return wording("Solvability", "The node equations of this circuit have no unique solution,\n"
                                  "so the analysis cannot find its node voltages.\n\n"
                                  "Please check the values and the connections of your components,\n"
                                  "then apply the analysis again.");
}

std::string precisionMessage(const CKirvoltDoc& doc)
{
    struct Extremes {
        int smallest = 0;  // branches
        int largest = 0;
    };
    const auto magnitude = [&doc](int branch) { return std::abs(doc.branchValues[branch]); };
    std::map<int, Extremes> byKind;
    for (int i = 1; i <= numberedBranchCount(doc); ++i) {
        const int kind = doc.branchKinds[i];
        if ((kind != KIND_RESISTOR && kind != KIND_VOLTAGE_SOURCE && kind != KIND_CURRENT_SOURCE) ||
            doc.branchValues[i] == 0.0) {
            continue;
        }
        Extremes& e = byKind[kind];
        if (e.smallest == 0 || magnitude(i) < magnitude(e.smallest)) {
            e.smallest = i;
        }
        if (e.largest == 0 || magnitude(i) > magnitude(e.largest)) {
            e.largest = i;
        }
    }
    const Extremes* widest = nullptr;
    double widestRatio = 0.0;
    for (const auto& [kind, e] : byKind) {
        const double ratio = magnitude(e.largest) / magnitude(e.smallest);
        if (widest == nullptr || ratio > widestRatio) {
            widest = &e;
            widestRatio = ratio;
        }
    }
    if (widest == nullptr) {
        return wording("Solvability", "The values of this circuit span too many orders of magnitude,\n"
                                      "for the analysis to find node voltages, p.d.s and currents that agree with each other.\n\n"
                                      "Please bring the smallest and the largest values closer together,\n"
                                      "then apply the analysis again.");
    }
    const auto named = [&doc](int branch) {
        return doc.labels[branch] + " = " + valueWithUnit(static_cast<std::uint16_t>(doc.branchKinds[branch]),
                                                          doc.branchValues[branch]);
    };
    return fillIn(wording("Solvability",
                          "The values of this circuit span too many orders of magnitude, from %1 to %2,\n"
                          "for the analysis to find node voltages, p.d.s and currents that agree with each other.\n\n"
                          "Please bring the smallest and the largest values closer together,\n"
                          "then apply the analysis again."),
                  {named(widest->smallest), named(widest->largest)});
}

}  // namespace kirvolt
