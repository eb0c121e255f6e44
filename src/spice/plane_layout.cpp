// The drawing without a crossing for a netlist whose textbook drawing has none. Every node is
// a rail across, one above another with the datum lowest; every element stands upright in a
// column of its own from the rail of its upper node, a wire running on from its lower terminal
// down to its lower node's rail. Each rail reaches only from its first element's column to its
// last, so an element passes a rail between its nodes without crossing it exactly when that
// node's elements all stand on one side of it. Such an order of rails and columns exists for
// every circuit that can be drawn without a crossing (it is a visibility drawing); it is
// searched for, rails first, then the columns from left to right.
#include <algorithm>
#include <cstdint>
#include <numeric>
#include <unordered_set>

#include "spice/layout_plan.h"

namespace kirvolt {
namespace {

constexpr int COLUMN_STEP = 3;
constexpr int ELEMENT_LENGTH = 6;
constexpr int ROW_STEP = ELEMENT_LENGTH + 2;
// Past this many steps of the search the netlist is left to the other drawings: a circuit
// that can be drawn without a crossing is found in far fewer.
constexpr long MOST_SEARCH_STEPS = 200'000;

// The elements between one pair of nodes, which stand side by side.
struct Parallel {
    int upper = 0;  // nodes
    int lower = 0;
    std::vector<int> elements;
};

class PlaneSearch {
public:
    PlaneSearch(const Netlist& netlist, std::vector<int> nodes) : nodes(std::move(nodes))
    {
        std::vector<int> slot(netlist.nodes.size(), -1);
        for (std::size_t i = 0; i < this->nodes.size(); ++i) {
            slot[static_cast<std::size_t>(this->nodes[i])] = static_cast<int>(i);
        }
        terminals.assign(this->nodes.size(), 0);
        for (std::size_t i = 0; i < netlist.elements.size(); ++i) {
            const NetlistElement& e = netlist.elements[i];
            const int a = slot[static_cast<std::size_t>(e.start)];
            const int b = slot[static_cast<std::size_t>(e.finish)];
            ++terminals[static_cast<std::size_t>(a)];
            ++terminals[static_cast<std::size_t>(b)];
            const auto same = std::find_if(groups.begin(), groups.end(), [a, b](const Parallel& g) {
                return (g.upper == a && g.lower == b) || (g.upper == b && g.lower == a);
            });
            if (same != groups.end()) {
                same->elements.push_back(static_cast<int>(i));
            } else {
                groups.push_back({a, b, {static_cast<int>(i)}});
            }
        }
    }

    bool tooLarge() const { return groups.size() > 63; }

    // The columns' order of the groups for the rails in `rows` (slot by slot, 0 the top), or
    // none within the search's steps.
    std::optional<std::vector<int>> columnsFor(const std::vector<int>& rows, long& steps)
    {
        row = rows;
        placed.assign(nodes.size(), 0);
        failed.clear();
        order.clear();
        return place(0, steps) ? std::optional(order) : std::nullopt;
    }

    const std::vector<Parallel>& parallels() const { return groups; }

    bool bipolar(const std::vector<int>& rows) const
    {
        const int lowest = static_cast<int>(nodes.size()) - 1;
        std::vector<bool> up(nodes.size(), false);
        std::vector<bool> down(nodes.size(), false);
        for (const Parallel& g : groups) {
            const auto a = static_cast<std::size_t>(g.upper);
            const auto b = static_cast<std::size_t>(g.lower);
            (rows[a] < rows[b] ? down[a] : up[a]) = true;
            (rows[b] < rows[a] ? down[b] : up[b]) = true;
        }
        for (std::size_t n = 0; n < nodes.size(); ++n) {
            if ((rows[n] > 0 && !up[n]) || (rows[n] < lowest && !down[n])) {
                return false;
            }
        }
        return true;
    }

private:
    // An element between two rails passes every rail between them; it may pass one whose node
    // has no element to its left yet, or none left to stand to its right.
    bool passesClear(const Parallel& g) const
    {
        const int top = std::min(row[static_cast<std::size_t>(g.upper)], row[static_cast<std::size_t>(g.lower)]);
        const int bottom = std::max(row[static_cast<std::size_t>(g.upper)], row[static_cast<std::size_t>(g.lower)]);
        for (std::size_t n = 0; n < nodes.size(); ++n) {
            const int r = row[n];
            if (r > top && r < bottom && placed[n] > 0 && placed[n] < terminals[n]) {
                return false;
            }
        }
        return true;
    }

    // Depth first over the groups not yet placed; a set of placed groups that led nowhere once
    // leads nowhere again, whatever order placed them.
    bool place(std::uint64_t done, long& steps)
    {
        if (order.size() == groups.size()) {
            return true;
        }
        if (++steps > MOST_SEARCH_STEPS || failed.contains(done)) {
            return false;
        }
        for (std::size_t k = 0; k < groups.size(); ++k) {
            const Parallel& g = groups[k];
            if ((done >> k & 1U) != 0 || !passesClear(g)) {
                continue;
            }
            const int count = static_cast<int>(g.elements.size());
            placed[static_cast<std::size_t>(g.upper)] += count;
            placed[static_cast<std::size_t>(g.lower)] += count;
            order.push_back(static_cast<int>(k));
            if (place(done | std::uint64_t{1} << k, steps)) {
                return true;
            }
            order.pop_back();
            placed[static_cast<std::size_t>(g.upper)] -= count;
            placed[static_cast<std::size_t>(g.lower)] -= count;
        }
        failed.insert(done);
        return false;
    }

    std::vector<int> nodes;      // the netlist's nodes that elements touch, by slot
    std::vector<int> terminals;  // element terminals at each slot
    std::vector<Parallel> groups;
    std::vector<int> row;     // each slot's rail, 0 the top
    std::vector<int> placed;  // terminals at each slot already in a column
    std::vector<int> order;   // the groups from left to right
    std::unordered_set<std::uint64_t> failed;
};

LayoutPlan drawRails(const Netlist& netlist, const std::vector<int>& nodes, const std::vector<int>& rows,
                     const std::vector<Parallel>& groups, const std::vector<int>& columns)
{
    const auto railY = [&rows](int slot) { return LAYOUT_MARGIN + ROW_STEP * rows[static_cast<std::size_t>(slot)]; };
    LayoutPlan plan;
    plan.elements.resize(netlist.elements.size());
    std::vector<std::vector<Point>> railPoints(netlist.nodes.size());
    int x = LAYOUT_MARGIN;
    for (const int k : columns) {
        const Parallel& g = groups[static_cast<std::size_t>(k)];
        const bool upperFirst = rows[static_cast<std::size_t>(g.upper)] < rows[static_cast<std::size_t>(g.lower)];
        const int upper = upperFirst ? g.upper : g.lower;
        const int lower = upperFirst ? g.lower : g.upper;
        const int upperNode = nodes[static_cast<std::size_t>(upper)];
        const int lowerNode = nodes[static_cast<std::size_t>(lower)];
        for (const int i : g.elements) {
            const int top = railY(upper) + 1;
            const NetlistElement& e = netlist.elements[static_cast<std::size_t>(i)];
            plan.elements[static_cast<std::size_t>(i)] = {
                {x, top + ELEMENT_LENGTH / 2}, orientationWithStartAt(e.kind, e.start == upperNode ? ORIENT_NORTH : ORIENT_SOUTH)};
            const Point upperTap{x, railY(upper)};
            const Point lowerTap{x, railY(lower)};
            plan.wires.push_back({upperTap, {x, top}, upperNode});
            plan.wires.push_back({{x, top + ELEMENT_LENGTH}, lowerTap, lowerNode});
            railPoints[static_cast<std::size_t>(upperNode)].push_back(upperTap);
            railPoints[static_cast<std::size_t>(lowerNode)].push_back(lowerTap);
            x += COLUMN_STEP;
        }
    }
    for (std::size_t n = 0; n < railPoints.size(); ++n) {
        joinAlongLine(railPoints[n], static_cast<int>(n), plan.wires);
    }
    const int lowestRail = *std::max_element(rows.begin(), rows.end());
    plan.extent = {x - COLUMN_STEP + 1 + LAYOUT_MARGIN, LAYOUT_MARGIN + ROW_STEP * lowestRail + 1 + LAYOUT_MARGIN};
    return plan;
}

}  // namespace

std::optional<LayoutPlan> planPlaneLayout(const Netlist& netlist, int datum, int limit)
{
    const std::vector<int> counts = terminalCounts(netlist);
    std::vector<int> nodes;
    for (std::size_t n = 0; n < counts.size(); ++n) {
        if (counts[n] > 0 && static_cast<int>(n) != datum) {
            nodes.push_back(static_cast<int>(n));
        }
    }
    // A node of one terminal would end in a wire that joins nothing.
    const bool everyNodeJoined = std::all_of(counts.begin(), counts.end(), [](int c) { return c == 0 || c >= 2; });
    const bool noLoopOnOneNode = std::none_of(netlist.elements.begin(), netlist.elements.end(),
                                              [](const NetlistElement& e) { return e.start == e.finish; });
    if (netlist.elements.empty() || counts[static_cast<std::size_t>(datum)] == 0 || !everyNodeJoined ||
        !noLoopOnOneNode || static_cast<int>(nodes.size()) > MOST_ORDERED_SPINES) {
        return std::nullopt;
    }
    nodes.push_back(datum);
    PlaneSearch search(netlist, nodes);
    if (search.tooLarge()) {
        return std::nullopt;
    }
    // The datum's rail lowest; the others in every order, first those in which every rail but
    // the top one has an element up and every rail but the lowest one an element down, as the
    // rails of a drawing without a crossing do where no single node holds the circuit together.
    std::vector<int> rows(nodes.size());
    long steps = 0;
    for (const bool bipolarOnly : {true, false}) {
        std::iota(rows.begin(), rows.end(), 0);
        do {
            if (search.bipolar(rows) != bipolarOnly) {
                continue;
            }
            if (const auto columns = search.columnsFor(rows, steps)) {
                LayoutPlan plan = drawRails(netlist, nodes, rows, search.parallels(), *columns);
                if (plan.extent.width > limit || plan.extent.height > limit) {
                    return std::nullopt;
                }
                return plan;
            }
        } while (steps <= MOST_SEARCH_STEPS && std::next_permutation(rows.begin(), rows.end() - 1));
    }
    return std::nullopt;
}

}  // namespace kirvolt
