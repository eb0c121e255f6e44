#include "analysis/macro_node.h"

#include <algorithm>
#include <cstdlib>

namespace kirvolt {
namespace {

// Link length between two members that no single voltage source joins.
constexpr int NO_LINK = 1000;

int lastIndex(std::size_t tableSize) { return std::max(static_cast<int>(tableSize) - 1, 0); }

// The numbering tables as far as they reach. They may be older than the last node building
// (nodes renumbered without refilling the tables); nothing outside them is read.
class Tables {
public:
    explicit Tables(const CKirvoltDoc& doc)
        : doc(doc), nodes(std::min(doc.nodeCount, lastIndex(doc.incidence.size())))
    {
        branches = std::min({doc.branchCount, lastIndex(doc.kinds.size()), lastIndex(doc.labels.size()),
                             lastIndex(doc.values.size()), lastIndex(doc.branchStartNodes.size()),
                             lastIndex(doc.branchFinishNodes.size())});
        for (int k = 1; k <= nodes; ++k) {
            branches = std::min(branches, lastIndex(doc.incidence[k].size()));
        }
    }

    int entry(int node, int branch) const
    {
        return node >= 1 && node <= nodes && branch >= 1 && branch <= branches ? doc.incidence[node][branch] : 0;
    }
    bool touches(int node, int branch) const { return std::abs(entry(node, branch)) == 1; }
    bool isVoltageSource(int branch) const { return doc.kinds[branch] == KIND_VOLTAGE_SOURCE; }

    // The nodes at the ends of a branch in ascending order (one node when both ends coincide).
    std::vector<int> ends(int branch) const
    {
        std::vector<int> found;
        for (int node : {doc.branchStartNodes[branch], doc.branchFinishNodes[branch]}) {
            if (touches(node, branch)) {
                found.push_back(node);
            }
        }
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        return found;
    }

    // The first node (ascending) whose entry for the branch equals entry, or 0.
    int nodeWithEntry(int branch, int wanted) const
    {
        for (int i = 1; i <= nodes; ++i) {
            if (entry(i, branch) == wanted) {
                return i;
            }
        }
        return 0;
    }

    const CKirvoltDoc& doc;
    int nodes;
    int branches = 0;
};

int positionOf(const std::vector<int>& members, int node)
{
    const auto found = std::find(members.begin(), members.end(), node);
    return found == members.end() ? 0 : static_cast<int>(found - members.begin()) + 1;
}

// Shortest links between member positions 1..count, Floyd-Warshall; ties keep the earlier
// route, via[r][c] is the intermediate position of the route from r to c (0 when direct).
struct Routes {
    std::vector<std::vector<int>> distance;
    std::vector<std::vector<int>> via;
};

Routes shortestRoutes(const Tables& tables, const std::vector<int>& members)
{
    const int count = static_cast<int>(members.size());
    Routes routes{std::vector<std::vector<int>>(count + 1, std::vector<int>(count + 1, NO_LINK)),
                  std::vector<std::vector<int>>(count + 1, std::vector<int>(count + 1, 0))};
    auto& d = routes.distance;
    for (int r = 1; r <= count; ++r) {
        const int node = members[r - 1];
        for (int i = 1; i <= tables.branches; ++i) {
            if (tables.touches(node, i) && tables.isVoltageSource(i)) {
                if (const int c = positionOf(members, tables.nodeWithEntry(i, -tables.entry(node, i))); c != 0) {
                    d[r][c] = 1;
                }
            }
        }
        d[r][r] = 0;
    }
    for (int k = 1; k <= count; ++k) {
        for (int r = 1; r <= count; ++r) {
            for (int c = 1; c <= count; ++c) {
                if (d[r][k] + d[k][c] < d[r][c]) {
                    d[r][c] = d[r][k] + d[k][c];
                    routes.via[r][c] = k;
                }
            }
        }
    }
    return routes;
}

void appendIntermediates(const Routes& routes, const std::vector<int>& members, int r, int c,
                         std::vector<int>& nodes)
{
    const int k = routes.via[r][c];
    if (k == 0) {
        return;
    }
    appendIntermediates(routes, members, r, k, nodes);
    nodes.push_back(members[k - 1]);
    appendIntermediates(routes, members, k, c, nodes);
}

// e[k] = V(p[k-1]) - V(p[k]) for the voltage source between consecutive path nodes.
void signPathSources(const Tables& tables, SourcePath& path)
{
    const CKirvoltDoc& doc = tables.doc;
    path.emfs.assign(path.length + 1, 0.0);
    path.texts.assign(path.length + 1, std::string());
    for (int k = 1; k < path.length; ++k) {
        for (int i = 1; i <= tables.branches; ++i) {
            if (!tables.isVoltageSource(i)) {
                continue;
            }
            const int here = tables.entry(path.nodes[k], i);
            const int next = tables.entry(path.nodes[k + 1], i);
            if (here == +1 && next == -1) {
                path.emfs[k + 1] = doc.values[i];
                path.texts[k + 1] = "+" + doc.labels[i];
            } else if (here == -1 && next == +1) {
                path.emfs[k + 1] = -doc.values[i];
                path.texts[k + 1] = "-" + doc.labels[i];
            }
        }
    }
}

int turnedRound(int direction)
{
    return direction >= ORIENT_EAST && direction <= ORIENT_SOUTH ? (direction + 2) % 4 : direction;
}

bool contains(const std::vector<int>& members, int node)
{
    return std::find(members.begin(), members.end(), node) != members.end();
}

// Resistor arrows point away from the node (current leaving); current-source arrows show
// the current delivered into the node.
void markArrowsAt(CComponent& c, int node, bool currentSources, bool voltageSources, bool resistors)
{
    if (c.kindCode == KIND_RESISTOR && resistors) {
        if (c.startNode == node) {
            c.arrowDirection = c.orientation;
        }
        if (c.finishNode == node) {
            c.arrowDirection = turnedRound(c.orientation);
        }
    } else if (c.kindCode == KIND_VOLTAGE_SOURCE && voltageSources) {
        if (c.startNode == node || c.finishNode == node) {
            c.arrowDirection = c.orientation;
        }
    } else if (c.kindCode == KIND_CURRENT_SOURCE && currentSources) {
        if (c.finishNode == node) {
            c.arrowDirection = c.orientation;
        }
        if (c.startNode == node) {
            c.arrowDirection = turnedRound(c.orientation);
        }
    }
}

}  // namespace

std::vector<int> collectMacroNode(const CKirvoltDoc& doc, int node)
{
    const Tables tables(doc);
    std::vector<int> members{node};
    if (node < 1 || node > tables.nodes) {
        return members;
    }
    std::vector<char> inList(tables.nodes + 1, 0);
    inList[node] = 1;
    for (std::size_t entry = 0; entry < members.size(); ++entry) {
        const int x = members[entry];
        for (int j = 1; j <= tables.branches; ++j) {
            if (!tables.touches(x, j) || !tables.isVoltageSource(j)) {
                continue;
            }
            for (int k : tables.ends(j)) {
                if (!inList[k]) {
                    inList[k] = 1;
                    members.push_back(k);
                }
            }
        }
    }
    return members;
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
    const Tables tables(doc);
    const Routes routes = shortestRoutes(tables, members);
    if (routes.distance[r][c] >= NO_LINK) {
        return path;
    }
    path.nodes = {0, from};
    appendIntermediates(routes, members, r, c, path.nodes);
    path.nodes.push_back(to);
    path.length = static_cast<int>(path.nodes.size()) - 1;
    signPathSources(tables, path);
    return path;
}

int otherEndOfBranch(const CKirvoltDoc& doc, int branch, int entry) { return Tables(doc).nodeWithEntry(branch, entry); }

std::string nodeName(const CKirvoltDoc& doc, int node)
{
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_JOINT && element->startNode == node) {
            return element->label;
        }
    }
    return "error";
}

void clearArrows(CKirvoltDoc& doc)
{
    for (const auto& element : doc.components) {
        element->arrowDirection = ARROW_NONE;
    }
}

void markNodeArrows(CKirvoltDoc& doc, int node, bool currentSources, bool voltageSources, bool resistors)
{
    for (const auto& element : doc.components) {
        markArrowsAt(*element, node, currentSources, voltageSources, resistors);
    }
}

void markMacroNodeArrows(CKirvoltDoc& doc, const std::vector<int>& members, bool currentSources,
                         bool voltageSources, bool resistors)
{
    for (int node : members) {
        for (const auto& element : doc.components) {
            CComponent& c = *element;
            const bool inside = contains(members, c.startNode) && contains(members, c.finishNode);
            if (inside && (c.kindCode == KIND_RESISTOR || c.kindCode == KIND_CURRENT_SOURCE)) {
                continue;
            }
            markArrowsAt(c, node, currentSources, voltageSources, resistors);
        }
    }
}

void colourNodeJoints(CKirvoltDoc& doc, int node, Colour colour)
{
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_JOINT && element->startNode == node) {
            element->colour = colour;
        }
    }
}

void colourNodeWires(CKirvoltDoc& doc, int node, Colour colour)
{
    for (const auto& element : doc.components) {
        if (isWireKind(element->kindCode) && element->startNode == node) {
            element->colour = colour;
        }
    }
}

void colourMacroNode(CKirvoltDoc& doc, const std::vector<int>& members, Colour colour)
{
    for (const auto& element : doc.components) {
        CComponent& c = *element;
        const bool startInside = contains(members, c.startNode);
        const bool inside = startInside && contains(members, c.finishNode);
        if ((c.kindCode == KIND_VOLTAGE_SOURCE && startInside) ||
            ((c.kindCode == KIND_RESISTOR || c.kindCode == KIND_CURRENT_SOURCE) && inside)) {
            c.colour = colour;
        }
    }
}

void colourMacroNodeWires(CKirvoltDoc& doc, const std::vector<int>& members, Colour colour)
{
    for (const auto& element : doc.components) {
        if (isWireKind(element->kindCode) && contains(members, element->startNode)) {
            element->colour = colour;
        }
    }
}

void colourSourcePath(CKirvoltDoc& doc, const SourcePath& path, Colour colour)
{
    for (int k = 1; k < path.length; ++k) {
        const int a = path.nodes[k];
        const int b = path.nodes[k + 1];
        for (const auto& element : doc.components) {
            CComponent& c = *element;
            const bool joins = (c.startNode == a && c.finishNode == b) || (c.startNode == b && c.finishNode == a);
            const bool atEither = c.startNode == a || c.startNode == b || c.finishNode == a || c.finishNode == b;
            if ((c.kindCode == KIND_VOLTAGE_SOURCE && joins) || (isWireKind(c.kindCode) && atEither)) {
                c.colour = colour;
            }
        }
    }
    doc.UpdateAllViews();
}

}  // namespace kirvolt
