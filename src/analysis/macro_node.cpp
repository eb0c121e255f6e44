#include "analysis/macro_node.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <utility>

#include "analysis/branch_tables.h"
#include "analysis/disjoint_sets.h"

namespace kirvolt {
namespace {

bool isVoltageSource(const CKirvoltDoc& doc, int branch) { return isBranchOfKind(doc, branch, KIND_VOLTAGE_SOURCE); }

// The first node (ascending) whose incidence entry for the branch equals wanted, or 0.
int nodeWithEntry(const CKirvoltDoc& doc, int branch, int wanted)
{
    for (int node : nodesTouched(doc, branch)) {
        if (incidenceAt(doc, node, branch) == wanted) {
            return node;
        }
    }
    return 0;
}

int positionOf(const std::vector<int>& members, int node)
{
    const auto found = std::find(members.begin(), members.end(), node);
    return found == members.end() ? 0 : static_cast<int>(found - members.begin()) + 1;
}

// The members of a macro node as positions 1..count in their list order, each joined to the
// positions that a single voltage source links it to.
class SourceLinks {
public:
    SourceLinks(const CKirvoltDoc& doc, const std::vector<int>& members) : neighbours(members.size() + 1)
    {
        std::unordered_map<int, int> position;
        for (int r = static_cast<int>(members.size()); r >= 1; --r) {
            position[members[static_cast<std::size_t>(r - 1)]] = r;  // the first place a node is listed
        }
        for (int r = 1; r <= static_cast<int>(members.size()); ++r) {
            const int node = members[static_cast<std::size_t>(r - 1)];
            for (int i : branchesAt(doc, node)) {
                if (!isVoltageSource(doc, i)) {
                    continue;
                }
                const int other = nodeWithEntry(doc, i, -incidenceAt(doc, node, i));
                const auto found = other == 0 ? position.end() : position.find(other);
                const int c = found == position.end() ? 0 : found->second;
                if (c != 0 && c != r) {
                    neighbours[static_cast<std::size_t>(r)].push_back(c);
                }
            }
        }
    }

    int count() const { return static_cast<int>(neighbours.size()) - 1; }
    const std::vector<int>& of(int position) const { return neighbours[static_cast<std::size_t>(position)]; }
    bool joined(int a, int b) const { return std::find(of(a).begin(), of(a).end(), b) != of(a).end(); }

private:
    std::vector<std::vector<int>> neighbours;
};

// The chains the all-pairs shortest-path search over member positions would pick: it tries
// intermediate positions in ascending order and takes a route only when it is strictly
// shorter, so the route from r to c goes through the intermediate K that is the smallest
// possible largest position on any shortest chain, then on from r to K and from K to c.
// From each start, one breadth-first pass finds that K for every target at once:
// through[v] is the smallest largest intermediate position over the shortest chains to v.
class ShortestChains {
public:
    explicit ShortestChains(const SourceLinks& links) : links(links) {}

    // The intermediate positions from r to c, in order; false when no chain joins them.
    bool intermediates(int r, int c, std::vector<int>& out)
    {
        if (r == c || links.joined(r, c)) {
            return true;
        }
        const Pass& pass = from(r);
        const int k = pass.through[static_cast<std::size_t>(c)];
        if (k == NOT_REACHED) {
            return false;
        }
        intermediates(r, k, out);
        out.push_back(k);
        intermediates(k, c, out);
        return true;
    }

private:
    static constexpr int NOT_REACHED = -1;

    struct Pass {
        std::vector<int> through;
    };

    const Pass& from(int r)
    {
        auto found = passes.find(r);
        if (found != passes.end()) {
            return found->second;
        }
        const auto size = static_cast<std::size_t>(links.count()) + 1;
        std::vector<int> distance(size, NOT_REACHED);
        Pass pass{std::vector<int>(size, NOT_REACHED)};
        std::vector<int> queue{r};
        distance[static_cast<std::size_t>(r)] = 0;
        pass.through[static_cast<std::size_t>(r)] = 0;
        for (std::size_t next = 0; next < queue.size(); ++next) {
            const int u = queue[next];
            const int largest = u == r ? 0 : std::max(pass.through[static_cast<std::size_t>(u)], u);
            for (int v : links.of(u)) {
                int& d = distance[static_cast<std::size_t>(v)];
                int& k = pass.through[static_cast<std::size_t>(v)];
                if (d == NOT_REACHED) {
                    d = distance[static_cast<std::size_t>(u)] + 1;
                    k = largest;
                    queue.push_back(v);
                } else if (d == distance[static_cast<std::size_t>(u)] + 1) {
                    k = std::min(k, largest);
                }
            }
        }
        return passes.emplace(r, std::move(pass)).first->second;
    }

    const SourceLinks& links;
    std::map<int, Pass> passes;
};

// e[k] = V(p[k-1]) - V(p[k]) for the voltage source between consecutive path nodes.
void signPathSources(const CKirvoltDoc& doc, SourcePath& path)
{
    path.emfs.assign(path.length + 1, 0.0);
    path.texts.assign(path.length + 1, std::string());
    for (int k = 1; k < path.length; ++k) {
        SourceStep step = sourceStep(doc, path.nodes[k], path.nodes[k + 1]);
        path.emfs[k + 1] = step.emf;
        path.texts[k + 1] = std::move(step.text);
    }
}

bool contains(const std::vector<int>& members, int node)
{
    return std::find(members.begin(), members.end(), node) != members.end();
}

// Resistor arrows point away from the node (current leaving); current-source arrows show
// the current delivered into the node.
void markArrowsAt(const CComponent& c, int node, bool currentSources, bool voltageSources, bool resistors,
                  Highlight& highlight)
{
    if (c.kindCode == KIND_RESISTOR && resistors) {
        if (c.startNode == node) {
            highlight.putArrow(c, c.orientation);
        }
        if (c.finishNode == node) {
            highlight.putArrow(c, turnedRound(c.orientation));
        }
    } else if (c.kindCode == KIND_VOLTAGE_SOURCE && voltageSources) {
        if (c.startNode == node || c.finishNode == node) {
            highlight.putArrow(c, c.orientation);
        }
    } else if (c.kindCode == KIND_CURRENT_SOURCE && currentSources) {
        if (c.finishNode == node) {
            highlight.putArrow(c, c.orientation);
        }
        if (c.startNode == node) {
            highlight.putArrow(c, turnedRound(c.orientation));
        }
    }
}

// The members in the order found, from node through the voltage sources at each member in
// branch order; firstVisit(k) tells whether k is met for the first time and marks it met.
template <class FirstVisit>
std::vector<int> collectFrom(const CKirvoltDoc& doc, int node, FirstVisit&& firstVisit)
{
    std::vector<int> members{node};
    firstVisit(node);
    for (std::size_t entry = 0; entry < members.size(); ++entry) {
        for (int j : branchesAt(doc, members[entry])) {
            if (!isVoltageSource(doc, j)) {
                continue;
            }
            for (int k : nodesTouched(doc, j)) {
                if (firstVisit(k)) {
                    members.push_back(k);
                }
            }
        }
    }
    return members;
}

}  // namespace

std::vector<int> collectMacroNode(const CKirvoltDoc& doc, int node)
{
    const int nodes = numberedNodeCount(doc);
    if (node < 1 || node > nodes) {
        return {node};
    }
    std::vector<char> inList(static_cast<std::size_t>(nodes) + 1, 0);
    return collectFrom(doc, node, [&inList](int k) { return std::exchange(inList[static_cast<std::size_t>(k)], 1) == 0; });
}

int firstMacroNode(const std::vector<int>& members) { return *std::min_element(members.begin(), members.end()); }

int macroNodeReference(const CKirvoltDoc& doc, const std::vector<int>& members)
{
    return contains(members, doc.datumNode) ? doc.datumNode : firstMacroNode(members);
}

SourcePath findSourcePath(const CKirvoltDoc& doc, const std::vector<int>& members, int from, int to)
{
    SourcePath path;
    const int r = positionOf(members, from);
    const int c = positionOf(members, to);
    if (r == 0 || c == 0) {
        return path;
    }
    const SourceLinks links(doc, members);
    std::vector<int> through;
    if (!ShortestChains(links).intermediates(r, c, through)) {
        return path;
    }
    path.nodes = {0, from};
    for (int k : through) {
        path.nodes.push_back(members[static_cast<std::size_t>(k - 1)]);
    }
    path.nodes.push_back(to);
    path.length = static_cast<int>(path.nodes.size()) - 1;
    signPathSources(doc, path);
    return path;
}

SourceStep sourceStep(const CKirvoltDoc& doc, int from, int to)
{
    SourceStep step;
    for (int i : branchesAt(doc, from)) {
        if (!isVoltageSource(doc, i)) {
            continue;
        }
        const int here = incidenceAt(doc, from, i);
        const int next = incidenceAt(doc, to, i);
        if (here == +1 && next == -1) {
            step = {doc.values[i], "+" + doc.labels[i]};
        } else if (here == -1 && next == +1) {
            step = {-doc.values[i], "-" + doc.labels[i]};
        }
    }
    return step;
}

MacroNodeIndex::MacroNodeIndex(const CKirvoltDoc& doc) : doc(doc)
{
    const int nodes = numberedNodeCount(doc);
    const auto slots = static_cast<std::size_t>(nodes) + 1;
    // The node pairs that voltage sources join, each pair once.
    std::vector<std::pair<int, int>> pairs;
    for (int j = 1; j <= numberedBranchCount(doc); ++j) {
        const BranchEnds ends = nodesTouched(doc, j);
        if (isVoltageSource(doc, j) && ends.size() == 2) {
            pairs.emplace_back(ends[0], ends[1]);
        }
    }
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    DisjointSets joined(nodes);
    std::vector<std::vector<int>> links(slots);
    for (const auto& [a, b] : pairs) {
        joined.join(a, b);
        links[static_cast<std::size_t>(a)].push_back(b);
        links[static_cast<std::size_t>(b)].push_back(a);
    }
    macroNode.assign(slots, 0);
    size.assign(slots, 0);
    reference.assign(slots, 0);
    std::vector<int> linkCount(slots, 0);
    for (int k = nodes; k >= 1; --k) {
        const int m = joined.root(k);
        macroNode[static_cast<std::size_t>(k)] = m;
        ++size[static_cast<std::size_t>(m)];
        reference[static_cast<std::size_t>(m)] = k;  // the lowest member, walking down
    }
    if (listed(doc.datumNode)) {
        reference[static_cast<std::size_t>(macroNode[static_cast<std::size_t>(doc.datumNode)])] = doc.datumNode;
    }
    for (const auto& [a, b] : pairs) {
        ++linkCount[static_cast<std::size_t>(macroNode[static_cast<std::size_t>(a)])];
    }
    tree.assign(slots, 0);
    next.assign(slots, 0);
    for (int m = 1; m <= nodes; ++m) {
        const auto at = static_cast<std::size_t>(m);
        if (size[at] >= 2 && linkCount[at] == size[at] - 1) {
            tree[at] = 1;
            chainTowards(reference[at], links);
        }
    }
    collectedIn.assign(slots, 0);
}

void MacroNodeIndex::chainTowards(int from, const std::vector<std::vector<int>>& links)
{
    std::vector<int> queue{from};
    for (std::size_t i = 0; i < queue.size(); ++i) {
        const int u = queue[i];
        for (int v : links[static_cast<std::size_t>(u)]) {
            if (v != from && next[static_cast<std::size_t>(v)] == 0) {
                next[static_cast<std::size_t>(v)] = u;
                queue.push_back(v);
            }
        }
    }
}

std::vector<int> MacroNodeIndex::collect(int node)
{
    if (!listed(node)) {
        return {node};
    }
    const int collection = ++collections;
    return collectFrom(doc, node, [this, collection](int k) {
        return std::exchange(collectedIn[static_cast<std::size_t>(k)], collection) != collection;
    });
}

bool MacroNodeIndex::isOrdinary(int node) const
{
    return !listed(node) || size[static_cast<std::size_t>(macroNode[static_cast<std::size_t>(node)])] < 2;
}

bool MacroNodeIndex::holdsDatum(int node) const
{
    return listed(node) && listed(doc.datumNode) &&
           macroNode[static_cast<std::size_t>(node)] == macroNode[static_cast<std::size_t>(doc.datumNode)];
}

int MacroNodeIndex::referenceOf(int node) const
{
    return listed(node) ? reference[static_cast<std::size_t>(macroNode[static_cast<std::size_t>(node)])] : node;
}

bool MacroNodeIndex::formsTree(int node) const
{
    return listed(node) && tree[static_cast<std::size_t>(macroNode[static_cast<std::size_t>(node)])] == 1;
}

int MacroNodeIndex::towardsReference(int node) const
{
    return listed(node) ? next[static_cast<std::size_t>(node)] : 0;
}

int otherEndOfBranch(const CKirvoltDoc& doc, int branch, int entry) { return nodeWithEntry(doc, branch, entry); }

void markNodeArrows(const CKirvoltDoc& doc, int node, bool currentSources, bool voltageSources, bool resistors,
                    Highlight& highlight)
{
    for (const auto& element : doc.components) {
        markArrowsAt(*element, node, currentSources, voltageSources, resistors, highlight);
    }
}

void markMacroNodeArrows(const CKirvoltDoc& doc, const std::vector<int>& members, bool currentSources,
                         bool voltageSources, bool resistors, Highlight& highlight)
{
    for (int node : members) {
        for (const auto& element : doc.components) {
            const CComponent& c = *element;
            const bool inside = contains(members, c.startNode) && contains(members, c.finishNode);
            if (inside && (c.kindCode == KIND_RESISTOR || c.kindCode == KIND_CURRENT_SOURCE)) {
                continue;
            }
            markArrowsAt(c, node, currentSources, voltageSources, resistors, highlight);
        }
    }
}

void colourNodeJoints(const CKirvoltDoc& doc, int node, Highlight& highlight)
{
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_JOINT && element->startNode == node) {
            highlight.paintRed(*element);
        }
    }
}

void colourNodeWires(const CKirvoltDoc& doc, int node, Highlight& highlight)
{
    for (const auto& element : doc.components) {
        if (isWireKind(element->kindCode) && element->startNode == node) {
            highlight.paintRed(*element);
        }
    }
}

void colourMacroNode(const CKirvoltDoc& doc, const std::vector<int>& members, Highlight& highlight)
{
    for (const auto& element : doc.components) {
        const CComponent& c = *element;
        const bool startInside = contains(members, c.startNode);
        const bool inside = startInside && contains(members, c.finishNode);
        if ((c.kindCode == KIND_VOLTAGE_SOURCE && startInside) ||
            ((c.kindCode == KIND_RESISTOR || c.kindCode == KIND_CURRENT_SOURCE) && inside)) {
            highlight.paintRed(c);
        }
    }
}

void colourMacroNodeWires(const CKirvoltDoc& doc, const std::vector<int>& members, Highlight& highlight)
{
    for (const auto& element : doc.components) {
        if (isWireKind(element->kindCode) && contains(members, element->startNode)) {
            highlight.paintRed(*element);
        }
    }
}

void colourSourcePath(const CKirvoltDoc& doc, const SourcePath& path, Highlight& highlight)
{
    for (int k = 1; k < path.length; ++k) {
        const int a = path.nodes[k];
        const int b = path.nodes[k + 1];
        for (const auto& element : doc.components) {
            const CComponent& c = *element;
            const bool joins = (c.startNode == a && c.finishNode == b) || (c.startNode == b && c.finishNode == a);
            const bool atEither = c.startNode == a || c.startNode == b || c.finishNode == a || c.finishNode == b;
            if ((c.kindCode == KIND_VOLTAGE_SOURCE && joins) || (isWireKind(c.kindCode) && atEither)) {
                highlight.paintRed(c);
            }
        }
    }
}

}  // namespace kirvolt
