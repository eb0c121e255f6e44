// The drawing for any netlist. Every node but the datum is a rail across the top, two steps
// apart; the datum is a rail along the bottom. Every element stands upright in a column of
// its own between them, three steps from the next. Its upper terminal runs straight up to its
// rail; its lower terminal runs straight down to the datum, or, when it belongs to another
// node, turns beside the element and runs up to that node's rail. An element with both ends on
// the datum turns its upper end down beside it instead. Lines only cross where they pass each
// other; every place where a line ends belongs to one node. A node of a single terminal is
// that terminal alone, without a rail, unless it is the datum.
#include "spice/layout_plan.h"

namespace kirvolt {
namespace {

constexpr int RAIL_STEP = 2;
constexpr int COLUMN_STEP = 3;
constexpr int ELEMENT_LENGTH = 6;

}  // namespace

LayoutPlan planBusLayout(const Netlist& netlist, int datum)
{
    const std::size_t nodes = netlist.nodes.size();
    std::vector<bool> used(nodes, false);
    for (const NetlistElement& e : netlist.elements) {
        used[static_cast<std::size_t>(e.start)] = used[static_cast<std::size_t>(e.finish)] = true;
    }
    const std::vector<int> terminals = terminalCounts(netlist);
    // The datum keeps its rail even for one terminal: the earth symbol stands on it.
    const auto alone = [&](int node) { return node != datum && terminals[static_cast<std::size_t>(node)] < 2; };
    // Only nodes of two terminals or more take a rail, so that sixty elements need sixty
    // rails at most, whatever they join.
    std::vector<int> railY(nodes, 0);
    int lowestRail = LAYOUT_MARGIN - RAIL_STEP;
    for (std::size_t k = 0; k < nodes; ++k) {
        if (used[k] && static_cast<int>(k) != datum && !alone(static_cast<int>(k))) {
            lowestRail += RAIL_STEP;
            railY[k] = lowestRail;
        }
    }
    const int top = lowestRail + 3;  // the upper terminals; a turn above them stays below the rails
    const int bottom = top + ELEMENT_LENGTH;
    const int datumRail = bottom + 2;  // room for a turn below the lower terminals
    LayoutPlan plan;
    std::vector<std::vector<Point>> railPoints(nodes);
    for (std::size_t i = 0; i < netlist.elements.size(); ++i) {
        const NetlistElement& e = netlist.elements[i];
        const int x = LAYOUT_MARGIN + COLUMN_STEP * static_cast<int>(i);
        const bool startAbove = e.start != datum || e.finish == datum;
        const int upper = startAbove ? e.start : e.finish;
        const int lower = startAbove ? e.finish : e.start;
        plan.elements.push_back(
            {{x, top + ELEMENT_LENGTH / 2}, orientationWithStartAt(e.kind, startAbove ? ORIENT_NORTH : ORIENT_SOUTH)});

        if (!alone(upper) && upper != datum) {
            const Point tap{x, railY[static_cast<std::size_t>(upper)]};
            plan.wires.push_back({{x, top}, tap, upper});
            railPoints[static_cast<std::size_t>(upper)].push_back(tap);
        } else if (upper == datum) {
            const Point tap{x + 1, datumRail};
            plan.wires.push_back({{x, top}, {x, top - 1}, datum});
            plan.wires.push_back({{x, top - 1}, {x + 1, top - 1}, datum});
            plan.wires.push_back({{x + 1, top - 1}, tap, datum});
            railPoints[static_cast<std::size_t>(datum)].push_back(tap);
        }
        if (lower == datum) {
            const Point tap{x, datumRail};
            plan.wires.push_back({{x, bottom}, tap, datum});
            railPoints[static_cast<std::size_t>(datum)].push_back(tap);
        } else if (!alone(lower)) {
            const Point tap{x + 1, railY[static_cast<std::size_t>(lower)]};
            plan.wires.push_back({{x, bottom}, {x, bottom + 1}, lower});
            plan.wires.push_back({{x, bottom + 1}, {x + 1, bottom + 1}, lower});
            plan.wires.push_back({{x + 1, bottom + 1}, tap, lower});
            railPoints[static_cast<std::size_t>(lower)].push_back(tap);
        }
    }
    for (std::size_t k = 0; k < nodes; ++k) {
        joinAlongLine(railPoints[k], static_cast<int>(k), plan.wires);
    }
    const int columns = static_cast<int>(netlist.elements.size());
    plan.extent = {LAYOUT_MARGIN + COLUMN_STEP * columns + LAYOUT_MARGIN, datumRail + LAYOUT_MARGIN};
    return plan;
}

}  // namespace kirvolt
