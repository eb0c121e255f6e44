#include "analysis/node_extraction.h"

#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "analysis/disjoint_sets.h"

namespace kirvolt {
namespace {

struct PointEntry {
    int node;
    Point point;
};

std::uint64_t pointKey(Point p)
{
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.x)) << 32) |
           static_cast<std::uint32_t>(p.y);
}

// The working list of (node, grid point) entries. A lookup answers with the node of the
// first entry at that point, as a walk from the top of the list would.
class PointList {
public:
    void append(int node, Point p)
    {
        entries.push_back({node, p});
        firstNodeAt.try_emplace(pointKey(p), node);
    }

    int lookup(Point p) const
    {
        const auto found = firstNodeAt.find(pointKey(p));
        return found == firstNodeAt.end() ? 0 : found->second;
    }

    const std::vector<PointEntry>& all() const { return entries; }

    void clear()
    {
        entries.clear();
        firstNodeAt.clear();
    }

private:
    std::vector<PointEntry> entries;
    std::unordered_map<std::uint64_t, int> firstNodeAt;
};

void removeJoints(CKirvoltDoc& doc)
{
    const auto removed = std::erase_if(doc.components, [](const auto& c) { return c->kindCode == KIND_JOINT; });
    if (removed > 0) {
        doc.nodesValid = 0;
        doc.noteEdit();
    }
}

void createJoint(CKirvoltDoc& doc, const PointEntry& entry)
{
    const int g = doc.gridSize;
    const Point at = toLogical(entry.point, g);
    doc.AddComponent(std::make_unique<CNode>(at, entry.node, DISPLAY_PLACED, g, doc.display().resistorStyle));
    ++doc.jointCount;
}

// Each wire either extends the group at one of its ends or starts a new group; the end it
// adds is not looked up, so one point may end up in two provisional groups.
void wirePass(CKirvoltDoc& doc, PointList& points, MeterNodes meters)
{
    const auto ties = [meters](int kind) {
        return meters == MeterNodes::joined ? tiesItsEnds(kind) : isWireKind(kind);
    };
    for (const auto& element : doc.components) {
        const CComponent& w = *element;
        if (!ties(w.kindCode)) {
            continue;
        }
        if (const int a = points.lookup(w.gridStart); a != 0) {
            points.append(a, w.gridFinish);
        } else if (const int b = points.lookup(w.gridFinish); b != 0) {
            points.append(b, w.gridStart);
        } else {
            points.append(doc.nextNodeNumber, w.gridStart);
            points.append(doc.nextNodeNumber, w.gridFinish);
            ++doc.nextNodeNumber;
        }
    }
}

// Groups that share a point are one node, however they are chained. Final numbers follow
// the earliest entry of each node; the list is rewritten node by node, each point once.
PointList mergeWireGroups(const PointList& provisional, int groupCount, int& nodeTotal)
{
    DisjointSets groups(groupCount);
    std::unordered_map<std::uint64_t, int> groupAt;
    for (const PointEntry& e : provisional.all()) {
        const auto [seen, inserted] = groupAt.try_emplace(pointKey(e.point), e.node);
        if (!inserted) {
            groups.join(e.node, seen->second);
        }
    }
    std::vector<int> finalNumber(groupCount + 1, 0);
    std::vector<std::vector<Point>> pointsOfNode(1);
    std::unordered_set<std::uint64_t> listed;
    nodeTotal = 0;
    for (const PointEntry& e : provisional.all()) {
        int& number = finalNumber[groups.root(e.node)];
        if (number == 0) {
            number = ++nodeTotal;
            pointsOfNode.emplace_back();
        }
        if (listed.insert(pointKey(e.point)).second) {
            pointsOfNode[number].push_back(e.point);
        }
    }
    PointList merged;
    for (int node = 1; node <= nodeTotal; ++node) {
        for (Point p : pointsOfNode[node]) {
            merged.append(node, p);
        }
    }
    return merged;
}

void terminalPass(CKirvoltDoc& doc, PointList& points, MeterNodes meters)
{
    const auto hasNodes = [meters](int kind) {
        return meters == MeterNodes::joined ? isAnalysedBranchKind(kind) : isBranchKind(kind);
    };
    // New joints go to the end of the list, so the walk stops at the records present before.
    const std::size_t recordCount = doc.components.size();
    for (std::size_t i = 0; i < recordCount; ++i) {
        const CComponent& c = *doc.components[i];
        if (!hasNodes(c.kindCode)) {
            continue;
        }
        const Point terminals[] = {c.gridStart, c.gridFinish};
        for (Point terminal : terminals) {
            if (points.lookup(terminal) == 0) {
                points.append(doc.nextNodeNumber, terminal);
                createJoint(doc, points.all().back());
                ++doc.nextNodeNumber;
            }
        }
    }
}

void assignmentPass(CKirvoltDoc& doc, const PointList& points)
{
    for (const auto& element : doc.components) {
        CComponent& c = *element;
        if (c.kindCode != KIND_JOINT) {
            c.startNode = points.lookup(c.gridStart);
            c.finishNode = points.lookup(c.gridFinish);
        }
    }
}

}  // namespace

int buildNodes(CKirvoltDoc& doc, MeterNodes meters)
{
    // New joints carry no voltages: the results of the last analysis no longer fit the nodes.
    doc.forgetResults();
    removeJoints(doc);
    doc.nextNodeNumber = 1;
    doc.jointCount = 1;
    PointList points;
    wirePass(doc, points, meters);
    if (!points.all().empty()) {
        int wireNodes = 0;
        points = mergeWireGroups(points, doc.nextNodeNumber - 1, wireNodes);
        for (const PointEntry& e : points.all()) {
            createJoint(doc, e);
        }
        doc.nextNodeNumber = wireNodes + 1;
    }
    terminalPass(doc, points, meters);
    assignmentPass(doc, points);
    doc.nodeCount = doc.nextNodeNumber - 1;
    doc.nodesValid = 1;
    return doc.nodeCount;
}

}  // namespace kirvolt
