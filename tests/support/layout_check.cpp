#include "support/layout_check.h"

#include <algorithm>
#include <optional>
#include <set>

#include "analysis/disjoint_sets.h"

namespace kirvolt::testing {
namespace {

// A horizontal or vertical run between two grid points, a before b.
struct Run {
    Point a;
    Point b;
    std::string what;
};

Run runOf(const CComponent& c, const std::string& what)
{
    Point a = c.gridStart;
    Point b = c.gridFinish;
    if (b.x < a.x || b.y < a.y) {
        std::swap(a, b);
    }
    return {a, b, what};
}

bool horizontal(const Run& r) { return r.a.y == r.b.y; }

bool isEnd(const Run& r, Point p) { return p == r.a || p == r.b; }

// The points two runs share: none, one, or a stretch of more than one (returned as its ends).
struct Shared {
    int count = 0;  // 0, 1, or 2 for a stretch
    Point at;
};

Shared shared(const Run& s, const Run& t)
{
    const int left = std::max(s.a.x, t.a.x);
    const int right = std::min(s.b.x, t.b.x);
    const int top = std::max(s.a.y, t.a.y);
    const int bottom = std::min(s.b.y, t.b.y);
    if (left > right || top > bottom) {
        return {};
    }
    if (left == right && top == bottom) {
        return {1, {left, top}};
    }
    return {2, {left, top}};
}

std::string pointText(Point p) { return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")"; }

// The box an element's symbol fills: its run, a step either side across it.
Rect body(const Run& r)
{
    return horizontal(r) ? Rect{r.a.x, r.a.y - 1, r.b.x, r.a.y + 1} : Rect{r.a.x - 1, r.a.y, r.a.x + 1, r.b.y};
}

class Checker {
public:
    Checker(const CKirvoltDoc& doc, std::size_t elements) : doc(doc)
    {
        for (std::size_t i = 0; i < doc.components.size(); ++i) {
            const CComponent& c = *doc.components[i];
            if (i < elements) {
                elementRuns.push_back(runOf(c, c.label));
                elementRecords.push_back(&c);
            } else if (c.kindCode == KIND_WIRE) {
                wireRuns.push_back(runOf(c, "wire " + c.name));
                wireRecords.push_back(&c);
            }
        }
    }

    std::vector<std::string> faults;

    void checkGrid()
    {
        const int g = doc.gridSize;
        for (const auto& c : doc.components) {
            for (const auto& [logical, grid] : {std::pair{c->position, c->gridPosition},
                                                std::pair{c->startPoint, c->gridStart},
                                                std::pair{c->finishPoint, c->gridFinish}}) {
                if (logical != toLogical(grid, g)) {
                    fault(c->label + " is off the grid at " + pointText(logical));
                }
                if (logical.x < 0 || logical.y < 0 || logical.x > DRAWING_AREA || logical.y > DRAWING_AREA) {
                    fault(c->label + " lies outside the drawing area at " + pointText(logical));
                }
            }
        }
        for (std::size_t i = 0; i < elementRecords.size(); ++i) {
            CComponent standard = *elementRecords[i];
            standard.deriveTerminals(g);
            if (!isTwoTerminalKind(standard.kindCode) || standard.gridStart != elementRecords[i]->gridStart ||
                standard.gridFinish != elementRecords[i]->gridFinish) {
                fault(standard.label + " does not keep the standard geometry");
            }
        }
        for (const Run& w : wireRuns) {
            if (w.a == w.b || (w.a.x != w.b.x && w.a.y != w.b.y)) {
                fault(w.what + " is neither horizontal nor vertical");
            }
        }
    }

    void checkElements()
    {
        for (std::size_t i = 0; i < elementRuns.size(); ++i) {
            for (std::size_t j = i + 1; j < elementRuns.size(); ++j) {
                if (intersects(body(elementRuns[i]), body(elementRuns[j]))) {
                    fault(elementRuns[i].what + " overlaps " + elementRuns[j].what);
                }
            }
        }
    }

    void checkWiresAgainstElements()
    {
        for (const Run& w : wireRuns) {
            for (const Run& e : elementRuns) {
                const Shared s = shared(w, e);
                if (s.count == 2) {
                    fault(w.what + " runs along " + e.what);
                } else if (s.count == 1 && !isEnd(e, s.at)) {
                    fault(w.what + " crosses " + e.what + " at " + pointText(s.at));
                } else if (s.count == 1 && !isEnd(w, s.at)) {
                    fault(w.what + " runs through a terminal of " + e.what + " at " + pointText(s.at));
                }
            }
        }
    }

    void checkWiresAgainstWires()
    {
        for (std::size_t i = 0; i < wireRuns.size(); ++i) {
            for (std::size_t j = i + 1; j < wireRuns.size(); ++j) {
                const Run& v = wireRuns[i];
                const Run& w = wireRuns[j];
                const Shared s = shared(v, w);
                if (s.count == 2) {
                    fault(v.what + " runs along " + w.what);
                } else if (s.count == 1 && isEnd(v, s.at) != isEnd(w, s.at)) {
                    fault((isEnd(v, s.at) ? v.what : w.what) + " ends on the middle of " +
                          (isEnd(v, s.at) ? w.what : v.what) + " at " + pointText(s.at));
                }
            }
        }
    }

    void checkWireEndsJoin()
    {
        std::multiset<std::pair<int, int>> ends;
        for (const Run& r : wireRuns) {
            ends.insert({r.a.x, r.a.y});
            ends.insert({r.b.x, r.b.y});
        }
        for (const Run& r : elementRuns) {
            ends.insert({r.a.x, r.a.y});
            ends.insert({r.b.x, r.b.y});
        }
        int lowest = 0;
        for (const Run& w : wireRuns) {
            lowest = std::max(lowest, w.b.y);
        }
        for (std::size_t i = 0; i < wireRuns.size(); ++i) {
            const Run& w = wireRuns[i];
            for (Point p : {w.a, w.b}) {
                const bool earth = wireRecords[i]->startNode == doc.datumNode && p.y == lowest;
                if (ends.count({p.x, p.y}) < 2 && !earth) {
                    fault(w.what + " ends at " + pointText(p) + " without joining anything");
                }
            }
        }
    }

    void checkDatumAtBottom()
    {
        int datumBottom = -1;
        int othersBottom = -1;
        const auto note = [&](int node, Point p) {
            int& bottom = node == doc.datumNode ? datumBottom : othersBottom;
            bottom = std::max(bottom, p.y);
        };
        for (std::size_t i = 0; i < elementRecords.size(); ++i) {
            note(elementRecords[i]->startNode, elementRecords[i]->gridStart);
            note(elementRecords[i]->finishNode, elementRecords[i]->gridFinish);
        }
        for (std::size_t i = 0; i < wireRecords.size(); ++i) {
            note(wireRecords[i]->startNode, wireRuns[i].a);
            note(wireRecords[i]->startNode, wireRuns[i].b);
        }
        if (datumBottom <= othersBottom) {
            fault("the datum is not the lowest line of the drawing");
        }
    }

private:
    void fault(const std::string& text) { faults.push_back(text); }

    const CKirvoltDoc& doc;
    std::vector<Run> elementRuns;
    std::vector<const CComponent*> elementRecords;
    std::vector<Run> wireRuns;
    std::vector<const CComponent*> wireRecords;
};

}  // namespace

std::vector<std::string> layoutFaults(const CKirvoltDoc& doc, std::size_t elements)
{
    Checker check(doc, elements);
    check.checkGrid();
    check.checkElements();
    check.checkWiresAgainstElements();
    check.checkWiresAgainstWires();
    check.checkWireEndsJoin();
    check.checkDatumAtBottom();
    return check.faults;
}

std::vector<std::string> drawingFaults(const CKirvoltDoc& doc, const Netlist& netlist, const CircuitLayout& layout)
{
    std::vector<std::string> faults = layoutFaults(doc, netlist.elements.size());
    if (layout.nodeNumbers.size() != netlist.nodes.size()) {
        faults.push_back("the layout names no node for some netlist nodes");
        return faults;
    }
    std::set<int> used;
    for (std::size_t i = 0; i < netlist.elements.size(); ++i) {
        const NetlistElement& e = netlist.elements[i];
        const CComponent& record = *doc.components[i];
        used.insert(e.start);
        used.insert(e.finish);
        if (record.startNode != layout.nodeNumbers[static_cast<std::size_t>(e.start)] ||
            record.finishNode != layout.nodeNumbers[static_cast<std::size_t>(e.finish)]) {
            faults.push_back(record.label + " is not on the nodes of " + e.name);
        }
    }
    // An ammeter joins its two nodes into one, as a wire would.
    DisjointSets joined(static_cast<int>(netlist.nodes.size()));
    for (const NetlistElement& e : netlist.elements) {
        if (e.kind == KIND_AMMETER) {
            joined.join(e.start, e.finish);
        }
    }
    std::set<int> numbers;
    std::set<int> netlistNodes;
    for (int node : used) {
        numbers.insert(layout.nodeNumbers[static_cast<std::size_t>(node)]);
        netlistNodes.insert(joined.root(node));
    }
    if (numbers.size() != netlistNodes.size() || static_cast<int>(netlistNodes.size()) != doc.nodeCount) {
        faults.push_back("the drawing has " + std::to_string(doc.nodeCount) + " nodes for the netlist's " +
                         std::to_string(netlistNodes.size()));
    }
    return faults;
}

}  // namespace kirvolt::testing
