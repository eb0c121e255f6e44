#include "analysis/loop_tree.h"

#include <algorithm>
#include <queue>

#include "analysis/branch_tables.h"
#include "analysis/circuit_solvability.h"
#include "analysis/disjoint_sets.h"
#include "analysis/node_names.h"
#include "document/text_lists.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

int startOf(const CKirvoltDoc& doc, int b) { return doc.branchStartNodes[static_cast<std::size_t>(b)]; }
int finishOf(const CKirvoltDoc& doc, int b) { return doc.branchFinishNodes[static_cast<std::size_t>(b)]; }
const std::string& labelOf(const CKirvoltDoc& doc, int b) { return doc.labels[static_cast<std::size_t>(b)]; }

Explanation refusal(const CKirvoltDoc& doc, std::string message, const std::vector<int>& branches)
{
    Explanation why{std::move(message), {}};
    for (const auto& element : doc.components) {
        const bool named = std::ranges::find(branches, element->branchIndex) != branches.end();
        if (isAnalysedBranchKind(element->kindCode) && named) {
            why.highlight.paintRed(*element);
        }
    }
    return why;
}

// The tree branches as a graph over the nodes: [node] gives (branch, node at its other end).
using TreeGraph = std::vector<std::vector<std::pair<int, int>>>;

TreeGraph treeGraph(const CKirvoltDoc& doc, const std::vector<int>& tree)
{
    TreeGraph graph(static_cast<std::size_t>(numberedNodeCount(doc)) + 1);
    for (int b : tree) {
        graph[static_cast<std::size_t>(startOf(doc, b))].emplace_back(b, finishOf(doc, b));
        graph[static_cast<std::size_t>(finishOf(doc, b))].emplace_back(b, startOf(doc, b));
    }
    return graph;
}

// The branches of the path through the tree from one node to another, in order; the tree
// must join them.
std::vector<int> treePath(const TreeGraph& graph, int from, int to)
{
    std::vector<int> cameBy(graph.size(), 0);
    std::vector<int> cameFrom(graph.size(), 0);
    std::vector<bool> reached(graph.size(), false);
    std::queue<int> open;
    reached[static_cast<std::size_t>(from)] = true;
    open.push(from);
    while (!open.empty() && !reached[static_cast<std::size_t>(to)]) {
        const int node = open.front();
        open.pop();
        for (const auto& [branch, other] : graph[static_cast<std::size_t>(node)]) {
            if (!reached[static_cast<std::size_t>(other)]) {
                reached[static_cast<std::size_t>(other)] = true;
                cameBy[static_cast<std::size_t>(other)] = branch;
                cameFrom[static_cast<std::size_t>(other)] = node;
                open.push(other);
            }
        }
    }
    std::vector<int> path;
    for (int node = to; node != from; node = cameFrom[static_cast<std::size_t>(node)]) {
        path.push_back(cameBy[static_cast<std::size_t>(node)]);
    }
    std::reverse(path.begin(), path.end());
    return path;
}

// Each chord's loop: the chord from start to finish, then the tree from its finish back to
// its start, each tree branch signed by the way the walk meets it.
LoopTree loopsOf(const CKirvoltDoc& doc, std::vector<int> tree)
{
    std::sort(tree.begin(), tree.end());
    const TreeGraph graph = treeGraph(doc, tree);
    const int branches = numberedBranchCount(doc);
    LoopTree result{tree, {}, std::vector<std::vector<std::pair<int, int>>>(static_cast<std::size_t>(branches) + 1)};
    for (int c = 1; c <= branches; ++c) {
        if (std::binary_search(tree.begin(), tree.end(), c)) {
            continue;
        }
        FundamentalLoop loop{c, {{c, 1}}};
        int at = finishOf(doc, c);
        for (int b : treePath(graph, at, startOf(doc, c))) {
            const bool forward = startOf(doc, b) == at;
            loop.steps.push_back({b, forward ? 1 : -1});
            at = forward ? finishOf(doc, b) : startOf(doc, b);
        }
        const int k = static_cast<int>(result.loops.size()) + 1;
        for (const LoopStep& step : loop.steps) {
            result.through[static_cast<std::size_t>(step.branch)].emplace_back(k, step.sign);
        }
        result.loops.push_back(std::move(loop));
    }
    return result;
}

// The first node, by number, that the tree does not join to the datum, and the branches that
// would join the nodes it does reach to the rest; none when the tree reaches every node.
std::optional<std::pair<int, std::vector<int>>> unreachedNode(const CKirvoltDoc& doc, DisjointSets& joined,
                                                             const std::vector<int>& tree)
{
    const int datum = joined.root(doc.datumNode);
    for (int node = 1; node <= numberedNodeCount(doc); ++node) {
        const int part = joined.root(node);
        if (part == datum) {
            continue;
        }
        std::vector<int> joining;
        for (int b = 1; b <= numberedBranchCount(doc); ++b) {
            const bool startInPart = joined.root(startOf(doc, b)) == part;
            const bool finishInPart = joined.root(finishOf(doc, b)) == part;
            const bool chord = std::ranges::find(tree, b) == tree.end();
            if (startInPart != finishInPart && chord && !isBranchOfKind(doc, b, KIND_CURRENT_SOURCE)) {
                joining.push_back(b);
            }
        }
        return std::pair{node, joining};
    }
    return std::nullopt;
}

std::string unreachedMessage(const CKirvoltDoc& doc, int node, const std::vector<int>& joining)
{
    std::vector<std::string> names;
    for (int b : joining) {
        names.push_back(labelOf(doc, b));
    }
    const std::string joined = nodeName(doc, node);
    const std::string datum = nodeName(doc, doc.datumNode);
    if (names.empty()) {
        return fillIn(wording("LoopTree", "The tree does not join node %1 to the datum node %2."), {joined, datum});
    }
    if (names.size() == 1) {
        return fillIn(wording("LoopTree", "The tree does not join node %1 to the datum node %2: add %3 to it."),
                      {joined, datum, names.front()});
    }
    return fillIn(wording("LoopTree", "The tree does not join node %1 to the datum node %2: add one of %3 to it."),
                  {joined, datum, spokenList(names)});
}

int branchLabelled(const CKirvoltDoc& doc, const std::string& label)
{
    for (int b = 1; b <= numberedBranchCount(doc); ++b) {
        if (labelOf(doc, b) == label) {
            return b;
        }
    }
    return 0;
}

}  // namespace

int LoopTree::loopOfChord(int branch) const
{
    const auto found = std::ranges::find_if(loops, [branch](const FundamentalLoop& l) { return l.chord == branch; });
    return found == loops.end() ? 0 : static_cast<int>(found - loops.begin()) + 1;
}

std::variant<LoopTree, Explanation> textbookTree(const CKirvoltDoc& doc)
{
    DisjointSets joined(numberedNodeCount(doc));
    std::vector<int> tree;
    for (const int kind : {KIND_VOLTAGE_SOURCE, KIND_RESISTOR}) {
        for (int b = 1; b <= numberedBranchCount(doc); ++b) {
            if (isBranchOfKind(doc, b, kind) && joined.join(startOf(doc, b), finishOf(doc, b))) {
                tree.push_back(b);
            }
        }
    }
    if (unreachedNode(doc, joined, tree)) {
        return Explanation{singularSystemMessage(), {}};
    }
    return loopsOf(doc, std::move(tree));
}

std::optional<Explanation> whyNotInTree(const CKirvoltDoc& doc, const std::vector<int>& tree, int b)
{
    const std::string& label = labelOf(doc, b);
    if (isBranchOfKind(doc, b, KIND_CURRENT_SOURCE)) {
        return refusal(doc, fillIn(wording("LoopTree", "%1 cannot be in the tree: a current source fixes the current of its branch, so it must be a chord."), {label}),
                       {b});
    }
    if (startOf(doc, b) == finishOf(doc, b)) {
        return refusal(doc, fillIn(wording("LoopTree", "%1 has both ends on one node, so it is a loop by itself and cannot be in the tree."), {label}), {b});
    }
    DisjointSets joined(numberedNodeCount(doc));
    for (int other : tree) {
        joined.join(startOf(doc, other), finishOf(doc, other));
    }
    if (joined.root(startOf(doc, b)) != joined.root(finishOf(doc, b))) {
        return std::nullopt;
    }
    std::vector<int> loop = treePath(treeGraph(doc, tree), startOf(doc, b), finishOf(doc, b));
    std::vector<std::string> names;
    for (int other : loop) {
        names.push_back(labelOf(doc, other));
    }
    loop.push_back(b);
    return refusal(doc, fillIn(wording("LoopTree", "%1 would close a loop with %2, so it cannot be in the tree."), {label, spokenList(names)}), loop);
}

std::variant<LoopTree, Explanation> treeOfBranches(const CKirvoltDoc& doc, const std::vector<std::string>& labels)
{
    DisjointSets joined(numberedNodeCount(doc));
    std::vector<int> tree;
    for (const std::string& label : labels) {
        const int b = branchLabelled(doc, label);
        if (b == 0) {
            return Explanation{fillIn(wording("LoopTree", "The tree names %1, but the circuit has no resistor or source of that name."), {label}), {}};
        }
        if (std::ranges::find(tree, b) != tree.end()) {
            return refusal(doc, fillIn(wording("LoopTree", "The tree names %1 twice."), {label}), {b});
        }
        if (auto why = whyNotInTree(doc, tree, b)) {
            return std::move(*why);
        }
        joined.join(startOf(doc, b), finishOf(doc, b));
        tree.push_back(b);
    }
    if (const auto missing = unreachedNode(doc, joined, tree)) {
        return refusal(doc, unreachedMessage(doc, missing->first, missing->second), missing->second);
    }
    return loopsOf(doc, std::move(tree));
}

std::variant<LoopTree, Explanation> loopTreeOf(const CKirvoltDoc& doc, const std::vector<std::string>& labels)
{
    return labels.empty() ? textbookTree(doc) : treeOfBranches(doc, labels);
}

}  // namespace kirvolt
