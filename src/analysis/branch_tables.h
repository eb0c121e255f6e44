#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// Reads of the tables that node numbering fills. The counts stored with the document may be
// older than the tables (or come from a file, before any table is filled), so every read stays
// within what the tables hold: a node or branch outside them touches nothing.

// The nodes 1..n and branches 1..b that the tables hold.
int numberedNodeCount(const CKirvoltDoc& doc);
int numberedBranchCount(const CKirvoltDoc& doc);
// A node of 1..numberedNodeCount.
bool isNumberedNode(const CKirvoltDoc& doc, int node);

// +1 where the branch starts at the node, -1 where it finishes (a branch whose ends meet
// leaves -1), 0 elsewhere.
int incidenceAt(const CKirvoltDoc& doc, int node, int branch);
// A branch touches a node when its incidence entry there is +1 or -1.
bool touches(const CKirvoltDoc& doc, int node, int branch);
bool isBranchOfKind(const CKirvoltDoc& doc, int branch, int kind);

// The branches touching the node, ascending; each once.
const std::vector<int>& branchesAt(const CKirvoltDoc& doc, int node);

// The nodes a branch touches, ascending: none, one (the ends meet, or only one lies in the
// tables) or two.
class BranchEnds {
public:
    void add(int node);
    const int* begin() const { return nodes.data(); }
    const int* end() const { return nodes.data() + count; }
    std::size_t size() const { return static_cast<std::size_t>(count); }
    int operator[](std::size_t i) const { return nodes[i]; }

private:
    std::array<int, 2> nodes{};
    int count = 0;
};

BranchEnds nodesTouched(const CKirvoltDoc& doc, int branch);

// A resistor carries no current when its ends lie on one node.
bool endsOnOneNode(const CKirvoltDoc& doc, int branch);

// One branch of Kirchhoff's current law at a node: a resistor through which current leaves the
// node for the node at its other end, or a current source with the current it drives out of
// the node (its value, negated where it drives current in).
struct KclBranch {
    int branch = 0;
    int kind = 0;     // KIND_RESISTOR or KIND_CURRENT_SOURCE
    int other = 0;    // the node at its other end
    double value = 0.0;  // a resistor's resistance; a source's current leaving the node
};

// The node's KCL as the sum of the currents leaving it, ascending by branch: the one reading of
// it that the nodal system, the equation lines, the equation check and the worked solution's
// current check share. A branch whose ends meet carries nothing out of the node and is left out.
std::vector<KclBranch> kclBranchesAt(const CKirvoltDoc& doc, int node);

// 1/R, with a resistor of 0 ohm left out of every sum as the solver leaves it out.
double conductanceOf(const CKirvoltDoc& doc, int branch);

}  // namespace kirvolt
