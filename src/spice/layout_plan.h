#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "document/codes.h"
#include "document/geometry.h"
#include "document/wording.h"
#include "spice/netlist.h"

namespace kirvolt {

// Where the automatic layout puts a netlist, in grid steps from the top left of the drawing.
struct PlacedElement {
    Point centre;
    int orientation = ORIENT_EAST;
};

struct PlacedWire {
    Point from;
    Point to;
    int node = 0;  // the netlist node it belongs to
};

struct LayoutPlan {
    std::vector<PlacedElement> elements;  // one per netlist element, in netlist order
    std::vector<PlacedWire> wires;
    Size extent;  // every element, wire and label lies within it
};

// No layout fits more elements into a square of `limit` grid steps: each element takes a
// column three steps wide of its own, or a place in a row three steps high between two of at
// most limit / 3 spines. A netlist of more is refused before any work that grows with it.
constexpr int mostElementsWithin(int limit)
{
    const int slots = limit / 3 + 1;
    return slots * (slots + 1);
}

// The most any netlist can have: the drawing area at its finest grid, ten units a step.
inline constexpr int MOST_NETLIST_ELEMENTS = mostElementsWithin(DRAWING_AREA / 10);

inline constexpr const char* TOO_LARGE_TO_DRAW = WORDING_NOOP("Layout", "The netlist is too large to draw within the drawing area.");

// How far the layouts keep from the edges of the drawing: room for labels and joint numbers.
inline constexpr int LAYOUT_MARGIN = 3;

// The orientation that puts the element's start terminal on the given side: the side a
// voltage source's or meter's orientation names, and the side a resistor's or current
// source's points away from.
int orientationWithStartAt(std::uint16_t kind, int side);

// How many element terminals each node has. A node of one terminal needs no wire: the
// terminal alone is the node.
std::vector<int> terminalCounts(const Netlist& netlist);

// Wires joining the points of one node that lie on one horizontal or vertical line, each
// from one point to the next, so that every point is a wire end and joins the node.
void joinAlongLine(std::vector<Point> points, int node, std::vector<PlacedWire>& wires);

// How the textbook drawing orders its spines from left to right: each group of nodes joined
// by elements across in a breadth-first walk, or the first order, trying nodes in the walk's
// order, in which no two elements across interleave. Those arch one over the other, shorter
// ones lower, so that the drawing has no crossing.
enum class SpineOrder { walked, withoutCrossings };

// The orders without crossings are searched for, which grows as the factorial of the spines:
// no more than an exercise has.
inline constexpr int MOST_ORDERED_SPINES = 8;

// The textbook drawing: the datum a rail along the bottom, each other node a vertical line
// above it with the elements to the datum hanging from it, the elements between two other
// nodes across in rows above. None when the netlist has an element with both ends on one
// node, when the drawing would not fit within `limit` grid steps either way, or when no
// order without crossings was asked for and found (none for more than MOST_ORDERED_SPINES).
std::optional<LayoutPlan> planSpineLayout(const Netlist& netlist, int datum, int limit,
                                          SpineOrder order = SpineOrder::walked);

// The drawing without a crossing wherever the netlist has one: every node a rail across, the
// datum lowest, every element upright in a column of its own from its upper node's rail, a
// wire on down to its lower node's. None when no order of rails and columns without a crossing
// is found, when an element has both ends on one node or a node has a single terminal, for
// more than MOST_ORDERED_SPINES nodes besides the datum, or when it would not fit within
// `limit` grid steps.
std::optional<LayoutPlan> planPlaneLayout(const Netlist& netlist, int datum, int limit);

// The drawing for any netlist: every node other than the datum a rail along the top, the datum
// a rail along the bottom, every element upright in a column of its own between them.
LayoutPlan planBusLayout(const Netlist& netlist, int datum);

}  // namespace kirvolt
