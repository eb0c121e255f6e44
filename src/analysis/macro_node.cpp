#include "analysis/macro_node.h"

#include <algorithm>
#include <cstdlib>

namespace kirvolt {
namespace {

// Link length between two members that no single voltage source joins.
constexpr int NO_LINK = 1000;

bool touches(const CKirvoltDoc& doc, int node, int branch) { return std::abs(doc.incidence[node][branch]) == 1; }

bool isVoltageSource(const CKirvoltDoc& doc, int branch) { return doc.kinds[branch] == KIND_VOLTAGE_SOURCE; }

// The nodes at the ends of a branch in ascending order (one node when both ends coincide).
std::vector<int> branchEnds(const CKirvoltDoc& doc, int branch)
{
    std::vector<int> ends;
    for (int node : {doc.branchStartNodes[branch], doc.branchFinishNodes[branch]}) {
        if (node >= 1 && node <= doc.nodeCount && touches(doc, node, branch)) {
            ends.push_back(node);
        }
    }
    std::sort(ends.begin(), ends.end());
    ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
    return ends;
}

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

Routes shortestRoutes(const CKirvoltDoc& doc, const std::vector<int>& members)
{
    const int count = static_cast<int>(members.size());
    Routes routes{std::vector<std::vector<int>>(count + 1, std::vector<int>(count + 1, NO_LINK)),
                  std::vector<std::vector<int>>(count + 1, std::vector<int>(count + 1, 0))};
    auto& d = routes.distance;
    for (int r = 1; r <= count; ++r) {
        const int node = members[r - 1];
        for (int i = 1; i <= doc.branchCount; ++i) {
            if (touches(doc, node, i) && isVoltageSource(doc, i)) {
                if (const int c = positionOf(members, otherEndOfBranch(doc, i, -doc.incidence[node][i])); c != 0) {
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
void signPathSources(const CKirvoltDoc& doc, SourcePath& path)
{
    path.emfs.assign(path.length + 1, 0.0);
    path.texts.assign(path.length + 1, std::string());
    for (int k = 1; k < path.length; ++k) {
        const auto& here = doc.incidence[path.nodes[k]];
        const auto& next = doc.incidence[path.nodes[k + 1]];
        for (int i = 1; i <= doc.branchCount; ++i) {
            if (!isVoltageSource(doc, i)) {
                continue;
            }
            if (here[i] == +1 && next[i] == -1) {
                path.emfs[k + 1] = doc.values[i];
                path.texts[k + 1] = "+" + doc.labels[i];
            } else if (here[i] == -1 && next[i] == +1) {
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
    std::vector<int> members{node};
    std::vector<char> inList(doc.nodeCount + 1, 0);
    if (node < 1 || node > doc.nodeCount) {
        return members;
    }
    inList[node] = 1;
    for (std::size_t entry = 0; entry < members.size(); ++entry) {
        const int x = members[entry];
        for (int j = 1; j <= doc.branchCount; ++j) {
            if (!touches(doc, x, j) || !isVoltageSource(doc, j)) {
                continue;
            }
            for (int k : branchEnds(doc, j)) {
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
    const Routes routes = shortestRoutes(doc, members);
    if (routes.distance[r][c] >= NO_LINK) {
        return path;
    }
    path.nodes = {0, from};
    appendIntermediates(routes, members, r, c, path.nodes);
    path.nodes.push_back(to);
    path.length = static_cast<int>(path.nodes.size()) - 1;
    signPathSources(doc, path);
    return path;
}

int otherEndOfBranch(const CKirvoltDoc& doc, int branch, int entry)
{
    for (int i = 1; i <= doc.nodeCount; ++i) {
        if (doc.incidence[i][branch] == entry) {
            return i;
        }
    }
    return 0;
}

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
