#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "analysis/explanation.h"
#include "document/circuit_document.h"

namespace kirvolt {

// One branch on a fundamental loop: +1 where the loop current runs through it from its start
// terminal to its finish terminal, -1 where it runs the other way.
struct LoopStep {
    int branch;
    int sign;
};

// The loop a chord closes with the tree: the chord first, run in its own direction, then the
// path through the tree from the chord's finish node back to its start node.
struct FundamentalLoop {
    int chord;
    std::vector<LoopStep> steps;
};

// A spanning tree of the numbered circuit and the loop each of its chords closes.
struct LoopTree {
    std::vector<int> tree;               // its branches, ascending
    std::vector<FundamentalLoop> loops;  // [k - 1] is loop k; chords in branch order
    // [branch]: the loops through it, ascending, each with its sign there.
    std::vector<std::vector<std::pair<int, int>>> through;

    int count() const { return static_cast<int>(loops.size()); }
    const FundamentalLoop& loop(int k) const { return loops[static_cast<std::size_t>(k - 1)]; }
    // The loop a chord closes, 0 for a branch of the tree.
    int loopOfChord(int branch) const;
};

// The tree a textbook chooses: every voltage source, then the resistors that close no loop,
// each in branch order, so the same drawing always gets the same tree; current sources are
// always chords. The circuit must have passed the rule checks and the solvability test.
std::variant<LoopTree, Explanation> textbookTree(const CKirvoltDoc& doc);

// The tree of the branches with these labels, or why they make none: a name of no resistor or
// source, a name given twice, a current source, a branch that closes a loop with the others,
// or a node the tree does not join to the datum, each named with the branches it is about marked.
std::variant<LoopTree, Explanation> treeOfBranches(const CKirvoltDoc& doc, const std::vector<std::string>& labels);

// Why the branch cannot join those tree branches: a current source, a branch with both ends
// on one node, or one that closes a loop with them, the branches concerned marked; none when
// it can.
std::optional<Explanation> whyNotInTree(const CKirvoltDoc& doc, const std::vector<int>& tree, int branch);

// The tree of those branches, the textbook's when none are named.
std::variant<LoopTree, Explanation> loopTreeOf(const CKirvoltDoc& doc, const std::vector<std::string>& labels);

}  // namespace kirvolt
