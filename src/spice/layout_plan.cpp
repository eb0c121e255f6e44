#include "spice/layout_plan.h"

#include <algorithm>

#include "document/codes.h"

namespace kirvolt {

int orientationWithStartAt(std::uint16_t kind, int side)
{
    return startsAhead(kind) ? side : turnedRound(side);
}

std::vector<int> terminalCounts(const Netlist& netlist)
{
    std::vector<int> counts(netlist.nodes.size(), 0);
    for (const NetlistElement& e : netlist.elements) {
        ++counts[static_cast<std::size_t>(e.start)];
        ++counts[static_cast<std::size_t>(e.finish)];
    }
    return counts;
}

void joinAlongLine(std::vector<Point> points, int node, std::vector<PlacedWire>& wires)
{
    std::sort(points.begin(), points.end(), [](Point a, Point b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    points.erase(std::unique(points.begin(), points.end()), points.end());
    for (std::size_t i = 1; i < points.size(); ++i) {
        wires.push_back({points[i - 1], points[i], node});
    }
}

}  // namespace kirvolt
