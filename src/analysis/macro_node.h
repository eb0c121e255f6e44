#pragma once

#include <string>
#include <vector>

#include "analysis/node_names.h"
#include "document/circuit_document.h"
#include "document/highlight.h"

namespace kirvolt {

// Nodes tied together by voltage sources form a macro node. These operations read the tables
// of node numbering (kinds, labels, values, incidence, branchCount, nodeCount), so the
// analysis or the table commands must have run since the last edit.

// Every node reachable from node through chains of voltage sources, in the order found:
// members[0] is node itself, then the others. One member means an ordinary node.
std::vector<int> collectMacroNode(const CKirvoltDoc& doc, int node);

// The member with the lowest node number (the "first macro node").
int firstMacroNode(const std::vector<int>& members);

// The node the other members' voltages are expressed from: the datum node when the macro
// node holds it, otherwise the first macro node.
int macroNodeReference(const CKirvoltDoc& doc, const std::vector<int>& members);

// A chain of voltage sources between two nodes. Indexed from 1 like the node tables:
// nodes[1] is the start, nodes[length] the target; for k = 2..length, emfs[k] is
// V(nodes[k-1]) - V(nodes[k]) across the source between them and texts[k] is its label
// signed "+" when the walk enters it at its positive (start) terminal, "-" otherwise.
struct SourcePath {
    int length = 0;  // number of nodes; 0 when no chain of sources joins the two ends
    std::vector<int> nodes;
    std::vector<double> emfs;
    std::vector<std::string> texts;
};

// The shortest chain of voltage sources from one member of a macro node to another.
SourcePath findSourcePath(const CKirvoltDoc& doc, const std::vector<int>& members, int from, int to);

// One step of a chain, from a node to the next: emf = V(from) - V(to) across the voltage
// source between them and its label signed as in SourcePath::texts. Where several sources
// join the two nodes, the last in branch order; none gives 0 and an empty text.
struct SourceStep {
    double emf = 0.0;
    std::string text;
};
SourceStep sourceStep(const CKirvoltDoc& doc, int from, int to);

// Every macro node of the circuit at once, for the writers that visit every node: what one
// macro node costs is its own size, not the size of the circuit.
class MacroNodeIndex {
public:
    explicit MacroNodeIndex(const CKirvoltDoc& doc);

    // The members of node's macro node in the order collectMacroNode(doc, node) gives them.
    std::vector<int> collect(int node);
    // A node that no voltage source ties to another.
    bool isOrdinary(int node) const;
    bool holdsDatum(int node) const;
    // The datum node when the macro node holds it, otherwise the first macro node.
    int referenceOf(int node) const;
    // The sources join the members without a loop (sources in parallel count as one), so the
    // chain of sources between two members is the only one.
    bool formsTree(int node) const;
    // In a macro node that forms a tree, the node after this one on the chain to the
    // reference; 0 at the reference and for any node of a macro node with loops.
    int towardsReference(int node) const;

private:
    bool listed(int node) const { return node >= 1 && node < static_cast<int>(macroNode.size()); }
    void chainTowards(int reference, const std::vector<std::vector<int>>& links);

    const CKirvoltDoc& doc;
    std::vector<int> macroNode;  // [node]: the node standing for its macro node
    std::vector<int> size;       // [standing node]: members
    std::vector<int> reference;  // [standing node]
    std::vector<char> tree;      // [standing node]
    std::vector<int> next;       // [node]: towards the reference
    std::vector<int> collectedIn;  // [node]: the collection that last listed it
    int collections = 0;
};

// The first node (ascending) whose incidence entry for the branch equals entry, or 0.
int otherEndOfBranch(const CKirvoltDoc& doc, int branch, int entry);

// What the equation display marks while it explains a node, added to a highlight: current
// arrows on the branches at a node (each flag chooses whether that kind gets arrows) and parts
// of the drawing painted red.
void markNodeArrows(const CKirvoltDoc& doc, int node, bool currentSources, bool voltageSources, bool resistors,
                    Highlight& highlight);
// As markNodeArrows for every member, but a resistor or current source lying wholly inside
// the macro node gets no arrow.
void markMacroNodeArrows(const CKirvoltDoc& doc, const std::vector<int>& members, bool currentSources,
                         bool voltageSources, bool resistors, Highlight& highlight);
void colourNodeJoints(const CKirvoltDoc& doc, int node, Highlight& highlight);
void colourNodeWires(const CKirvoltDoc& doc, int node, Highlight& highlight);
// The macro node's voltage sources (start node inside) and the resistors and current
// sources with both ends inside.
void colourMacroNode(const CKirvoltDoc& doc, const std::vector<int>& members, Highlight& highlight);
void colourMacroNodeWires(const CKirvoltDoc& doc, const std::vector<int>& members, Highlight& highlight);
// The voltage sources between consecutive path nodes and every wire at a path node.
void colourSourcePath(const CKirvoltDoc& doc, const SourcePath& path, Highlight& highlight);

}  // namespace kirvolt
