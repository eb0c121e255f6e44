// The textbook drawing of a netlist. Every node but the datum is a spine: a vertical line at a
// column of its own, the spines side by side in an order that keeps neighbours together. The
// elements between a node and the datum hang from the foot of its spine down to the datum
// rail; the elements between two spines run across in rows above, the shortest lowest, so
// that a longer one arches over the spines it passes. A spine reaches up to its highest row,
// and a row passing a spine that reaches it crosses it without joining it; an element's body
// keeps clear of every spine it crosses, and columns move apart where a body needs the room.
#include <algorithm>
#include <deque>

#include "spice/layout_plan.h"

namespace kirvolt {
namespace {

// Grid steps between neighbouring columns, between rows, and an element's length.
constexpr int COLUMN_STEP = 3;
constexpr int ROW_STEP = 3;
constexpr int ELEMENT_LENGTH = 6;
// How far a body keeps from a spine it crosses: a step on its left, and on its right room for
// the node number beside its terminal.
constexpr int CLEARANCE_LEFT = 1;
constexpr int CLEARANCE_RIGHT = 2;

struct Across {
    int element;
    int left;   // spine slots, left < right
    int right;
    int row = 0;
    int from = 0;  // the slots between which the body lies
    int to = 0;
};

class SpineLayout {
public:
    SpineLayout(const Netlist& netlist, int datum, SpineOrder order) : netlist(netlist), datum(datum), order(order) {}

    std::optional<LayoutPlan> plan(int limit)
    {
        for (const NetlistElement& e : netlist.elements) {
            if (e.start == e.finish) {
                return std::nullopt;
            }
        }
        orderSpines();
        if (order == SpineOrder::withoutCrossings && !orderWithoutCrossings()) {
            return std::nullopt;
        }
        // Every spine takes a column at least COLUMN_STEP wide: more than fit are refused before
        // the rows and columns are worked out, which grows with spines times elements.
        if (static_cast<int>(slotNode.size()) > limit / COLUMN_STEP + 1) {
            return std::nullopt;
        }
        collectElements();
        assignRows();
        findTaps();
        gaps.assign(slotNode.size(), 0);
        for (std::size_t s = 0; s < slotNode.size(); ++s) {
            gaps[s] = COLUMN_STEP * std::max(static_cast<int>(hanging[s].size()), 1);
        }
        for (Across& a : across) {
            makeRoomForBody(a);
        }
        LayoutPlan result = draw();
        if (result.extent.width > limit || result.extent.height > limit) {
            return std::nullopt;
        }
        return result;
    }

private:
    // 1. The spines from left to right: each group of nodes joined by elements across, in a
    // breadth-first walk from its least connected node, groups in the order of their nodes.
    void orderSpines()
    {
        const int nodes = static_cast<int>(netlist.nodes.size());
        std::vector<std::vector<int>> neighbours(static_cast<std::size_t>(nodes));
        std::vector<bool> used(static_cast<std::size_t>(nodes), false);
        for (const NetlistElement& e : netlist.elements) {
            used[static_cast<std::size_t>(e.start)] = used[static_cast<std::size_t>(e.finish)] = true;
            if (e.start != datum && e.finish != datum) {
                neighbours[static_cast<std::size_t>(e.start)].push_back(e.finish);
                neighbours[static_cast<std::size_t>(e.finish)].push_back(e.start);
            }
        }
        slotOfNode.assign(static_cast<std::size_t>(nodes), -1);
        std::vector<bool> seen(static_cast<std::size_t>(nodes), false);
        // The groups share no node, so one record of the nodes placed serves them all and the
        // walk stays linear in the netlist however many groups it has.
        std::vector<bool> placed(static_cast<std::size_t>(nodes), false);
        for (int first = 0; first < nodes; ++first) {
            if (first == datum || !used[static_cast<std::size_t>(first)] || seen[static_cast<std::size_t>(first)]) {
                continue;
            }
            const std::vector<int> group = walk(first, neighbours, seen);
            const int start = *std::min_element(group.begin(), group.end(), [&](int a, int b) {
                const auto degree = [&](int n) { return neighbours[static_cast<std::size_t>(n)].size(); };
                return degree(a) != degree(b) ? degree(a) < degree(b) : a < b;
            });
            for (int node : walk(start, neighbours, placed)) {
                slotOfNode[static_cast<std::size_t>(node)] = static_cast<int>(slotNode.size());
                slotNode.push_back(node);
            }
        }
    }

    // 1b. The spines reordered so that no two elements across interleave (a < c < b < d for
    // spines a, b of one and c, d of the other), trying the nodes in the walk's order at each
    // place: the walk's own order when it has none.
    bool orderWithoutCrossings()
    {
        if (static_cast<int>(slotNode.size()) > MOST_ORDERED_SPINES) {
            return false;
        }
        const std::size_t spines = slotNode.size();
        std::vector<std::vector<int>> acrossAt(spines);  // by walk slot: the walk slots it has elements to
        for (const NetlistElement& e : netlist.elements) {
            if (e.start != datum && e.finish != datum && e.start != e.finish) {
                acrossAt[static_cast<std::size_t>(slot(e.start))].push_back(slot(e.finish));
                acrossAt[static_cast<std::size_t>(slot(e.finish))].push_back(slot(e.start));
            }
        }
        // Such an order draws the spines and the elements across as an outerplanar graph, which
        // joins n nodes by at most 2n - 3 pairs: more, and the search need not start.
        std::size_t pairs = 0;
        for (std::size_t s = 0; s < spines; ++s) {
            std::sort(acrossAt[s].begin(), acrossAt[s].end());
            acrossAt[s].erase(std::unique(acrossAt[s].begin(), acrossAt[s].end()), acrossAt[s].end());
            pairs += acrossAt[s].size();
        }
        if (spines >= 2 && pairs / 2 > 2 * spines - 3) {
            return false;
        }
        std::vector<int> placedAt(spines, -1);  // by walk slot: its new place
        std::vector<int> sequence;                // walk slots in their new order
        std::vector<std::pair<int, int>> arcs;    // new places, first < second
        const auto place = [&](const auto& self) -> bool {
            if (sequence.size() == spines) {
                return true;
            }
            const int here = static_cast<int>(sequence.size());
            for (std::size_t s = 0; s < spines; ++s) {
                if (placedAt[s] >= 0) {
                    continue;
                }
                const std::size_t arcsBefore = arcs.size();
                bool crosses = false;
                for (int other : acrossAt[s]) {
                    const int q = placedAt[static_cast<std::size_t>(other)];
                    if (q < 0) {
                        continue;
                    }
                    // Every arc placed ends at or before here, so it interleaves with (q, here)
                    // exactly when q lies strictly inside it.
                    crosses = crosses || std::any_of(arcs.begin(), arcs.begin() + static_cast<std::ptrdiff_t>(arcsBefore),
                                                     [q](const auto& arc) { return arc.first < q && q < arc.second; });
                    arcs.emplace_back(q, here);
                }
                if (!crosses) {
                    placedAt[s] = here;
                    sequence.push_back(static_cast<int>(s));
                    if (self(self)) {
                        return true;
                    }
                    sequence.pop_back();
                    placedAt[s] = -1;
                }
                arcs.resize(arcsBefore);
            }
            return false;
        };
        if (!place(place)) {
            return false;
        }
        std::vector<int> reordered;
        for (int s : sequence) {
            reordered.push_back(slotNode[static_cast<std::size_t>(s)]);
        }
        slotNode = std::move(reordered);
        for (std::size_t s = 0; s < slotNode.size(); ++s) {
            slotOfNode[static_cast<std::size_t>(slotNode[s])] = static_cast<int>(s);
        }
        return true;
    }

    static std::vector<int> walk(int from, const std::vector<std::vector<int>>& neighbours, std::vector<bool>& seen)
    {
        std::vector<int> order;
        std::deque<int> queue{from};
        seen[static_cast<std::size_t>(from)] = true;
        while (!queue.empty()) {
            const int node = queue.front();
            queue.pop_front();
            order.push_back(node);
            for (int next : neighbours[static_cast<std::size_t>(node)]) {
                if (!seen[static_cast<std::size_t>(next)]) {
                    seen[static_cast<std::size_t>(next)] = true;
                    queue.push_back(next);
                }
            }
        }
        return order;
    }

    void collectElements()
    {
        hanging.assign(slotNode.size(), {});
        for (std::size_t i = 0; i < netlist.elements.size(); ++i) {
            const NetlistElement& e = netlist.elements[i];
            const int element = static_cast<int>(i);
            if (e.start == datum || e.finish == datum) {
                hanging[static_cast<std::size_t>(slot(e.start == datum ? e.finish : e.start))].push_back(element);
            } else {
                const int a = slot(e.start);
                const int b = slot(e.finish);
                across.push_back({element, std::min(a, b), std::max(a, b)});
            }
        }
    }

    // 2. Rows, lowest first: each element across, shortest first, in the lowest row where it
    // shares with no other more than the end of a spine.
    void assignRows()
    {
        std::vector<Across*> byLength;
        for (Across& a : across) {
            byLength.push_back(&a);
        }
        std::stable_sort(byLength.begin(), byLength.end(),
                         [](const Across* a, const Across* b) { return a->right - a->left < b->right - b->left; });
        std::vector<std::vector<const Across*>> rows;
        for (Across* a : byLength) {
            std::size_t row = 0;
            for (; row < rows.size(); ++row) {
                const bool free = std::none_of(rows[row].begin(), rows[row].end(), [a](const Across* other) {
                    return std::max(a->left, other->left) < std::min(a->right, other->right);
                });
                if (free) {
                    break;
                }
            }
            if (row == rows.size()) {
                rows.emplace_back();
            }
            rows[row].push_back(a);
            a->row = static_cast<int>(row) + 1;
        }
        rowCount = static_cast<int>(rows.size());
    }

    // 3. Where each spine meets its rows: its highest and lowest.
    void findTaps()
    {
        topRow.assign(slotNode.size(), 0);
        lowestRow.assign(slotNode.size(), rowCount + 1);
        for (const Across& a : across) {
            for (int s : {a.left, a.right}) {
                topRow[static_cast<std::size_t>(s)] = std::max(topRow[static_cast<std::size_t>(s)], a.row);
                lowestRow[static_cast<std::size_t>(s)] = std::min(lowestRow[static_cast<std::size_t>(s)], a.row);
            }
        }
    }

    // A spine runs from its highest row down to its foot, or to its lowest row when nothing
    // hangs from it.
    bool spineReaches(int s, int row) const
    {
        const auto i = static_cast<std::size_t>(s);
        return topRow[i] >= row && (!hanging[i].empty() || lowestRow[i] <= row);
    }

    std::vector<int> columns() const
    {
        std::vector<int> x(slotNode.size(), LAYOUT_MARGIN);
        for (std::size_t s = 1; s < x.size(); ++s) {
            x[s] = x[s - 1] + gaps[s - 1];
        }
        return x;
    }

    // The room a body has between two slots of its row: the whole distance between its own
    // spines, less the clearance from a spine it crosses.
    int room(const Across& a, const std::vector<int>& x, int from, int to) const
    {
        const int left = x[static_cast<std::size_t>(from)] + (from == a.left ? 0 : CLEARANCE_LEFT);
        const int right = x[static_cast<std::size_t>(to)] - (to == a.right ? 0 : CLEARANCE_RIGHT);
        return right - left;
    }

    // 4. The widest stretch of the row between the spines it crosses takes the body; when it
    // is too short, the columns after its left end move apart. Moving columns apart only
    // lengthens stretches, so the bodies placed before keep their room.
    void makeRoomForBody(Across& a)
    {
        const std::vector<int> x = columns();
        std::vector<int> bounds{a.left};
        for (int s = a.left + 1; s < a.right; ++s) {
            if (spineReaches(s, a.row)) {
                bounds.push_back(s);
            }
        }
        bounds.push_back(a.right);
        int best = 0;
        for (std::size_t i = 1; i < bounds.size(); ++i) {
            if (room(a, x, bounds[i - 1], bounds[i]) > room(a, x, bounds[best], bounds[best + 1])) {
                best = static_cast<int>(i) - 1;
            }
        }
        a.from = bounds[static_cast<std::size_t>(best)];
        a.to = bounds[static_cast<std::size_t>(best) + 1];
        const int shortfall = ELEMENT_LENGTH - room(a, x, a.from, a.to);
        if (shortfall > 0) {
            gaps[static_cast<std::size_t>(a.from)] += shortfall;
        }
    }

    // 5. The drawing: rows above the feet of the spines, the datum rail six steps below them.
    LayoutPlan draw() const
    {
        LayoutPlan result;
        result.elements.resize(netlist.elements.size());
        const std::vector<int> x = columns();
        const int foot = LAYOUT_MARGIN + ROW_STEP * rowCount;
        const int rail = foot + ELEMENT_LENGTH;
        const auto rowY = [foot](int row) { return foot - ROW_STEP * row; };
        std::vector<std::vector<Point>> spinePoints(slotNode.size());
        const std::vector<int> terminals = terminalCounts(netlist);

        for (const Across& a : across) {
            const NetlistElement& e = netlist.elements[static_cast<std::size_t>(a.element)];
            const int y = rowY(a.row);
            const int left = x[static_cast<std::size_t>(a.from)] + (a.from == a.left ? 0 : CLEARANCE_LEFT);
            const int right = x[static_cast<std::size_t>(a.to)] - (a.to == a.right ? 0 : CLEARANCE_RIGHT);
            const int body = left + (right - left - ELEMENT_LENGTH) / 2;
            const bool startLeft = slot(e.start) == a.left;
            result.elements[static_cast<std::size_t>(a.element)] = {
                {body + ELEMENT_LENGTH / 2, y}, orientationWithStartAt(e.kind, startLeft ? ORIENT_WEST : ORIENT_EAST)};
            const Point leftEnd{x[static_cast<std::size_t>(a.left)], y};
            const Point rightEnd{x[static_cast<std::size_t>(a.right)], y};
            const int leftNode = slotNode[static_cast<std::size_t>(a.left)];
            const int rightNode = slotNode[static_cast<std::size_t>(a.right)];
            if (terminals[static_cast<std::size_t>(leftNode)] > 1) {
                joinAlongLine({leftEnd, {body, y}}, leftNode, result.wires);
            }
            if (terminals[static_cast<std::size_t>(rightNode)] > 1) {
                joinAlongLine({{body + ELEMENT_LENGTH, y}, rightEnd}, rightNode, result.wires);
            }
            spinePoints[static_cast<std::size_t>(a.left)].push_back(leftEnd);
            spinePoints[static_cast<std::size_t>(a.right)].push_back(rightEnd);
        }

        std::vector<Point> railPoints;
        int right = 0;
        for (std::size_t s = 0; s < slotNode.size(); ++s) {
            std::vector<Point> footPoints;
            for (std::size_t t = 0; t < hanging[s].size(); ++t) {
                const int column = x[s] + COLUMN_STEP * static_cast<int>(t);
                const NetlistElement& e = netlist.elements[static_cast<std::size_t>(hanging[s][t])];
                const bool startAbove = e.finish == datum;
                result.elements[static_cast<std::size_t>(hanging[s][t])] = {
                    {column, foot + ELEMENT_LENGTH / 2},
                    orientationWithStartAt(e.kind, startAbove ? ORIENT_NORTH : ORIENT_SOUTH)};
                footPoints.push_back({column, foot});
                railPoints.push_back({column, rail});
                right = std::max(right, column);
            }
            if (!footPoints.empty()) {
                spinePoints[s].push_back(footPoints.front());
            }
            joinAlongLine(footPoints, slotNode[s], result.wires);
            joinAlongLine(spinePoints[s], slotNode[s], result.wires);
            right = std::max(right, x[s]);
        }
        joinAlongLine(railPoints, datum, result.wires);
        result.extent = {right + LAYOUT_MARGIN, rail + LAYOUT_MARGIN};
        return result;
    }

    int slot(int node) const { return slotOfNode[static_cast<std::size_t>(node)]; }

    const Netlist& netlist;
    const int datum;
    const SpineOrder order;
    std::vector<int> slotOfNode;  // by node, -1 for the datum and unused nodes
    std::vector<int> slotNode;    // by slot
    std::vector<std::vector<int>> hanging;  // by slot: the elements to the datum
    std::vector<Across> across;
    int rowCount = 0;
    std::vector<int> topRow;
    std::vector<int> lowestRow;
    std::vector<int> gaps;  // by slot: the distance to the next column
};

}  // namespace

std::optional<LayoutPlan> planSpineLayout(const Netlist& netlist, int datum, int limit, SpineOrder order)
{
    return SpineLayout(netlist, datum, order).plan(limit);
}

}  // namespace kirvolt
