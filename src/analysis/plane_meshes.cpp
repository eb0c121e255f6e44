#include "analysis/plane_meshes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <queue>
#include <string>
#include <unordered_map>

#include "analysis/branch_tables.h"
#include "analysis/disjoint_sets.h"
#include "document/text_lists.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

// A straight piece of the drawing: an element from its start terminal to its finish terminal,
// a straight wire, or one leg of a turning wire.
struct Segment {
    Point a;
    Point b;
    const CComponent* record;
    int branch;  // the element's branch, 0 for wires and ammeters
};

std::uint64_t pointKey(Point p)
{
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.x)) << 32) | static_cast<std::uint32_t>(p.y);
}

// The corner a turning wire goes round, which its record keeps only as a logical point.
Point cornerOf(const CComponent& wire)
{
    return wire.kindCode == KIND_WIRE_TURN_HV ? Point{wire.gridFinish.x, wire.gridStart.y}
                                               : Point{wire.gridStart.x, wire.gridFinish.y};
}

bool joinsLikeWire(int kind) { return isWireKind(kind) || kind == KIND_AMMETER; }

std::vector<Segment> segmentsOf(const CKirvoltDoc& doc)
{
    std::vector<Segment> segments;
    const auto add = [&segments](Point a, Point b, const CComponent& record, int branch) {
        if (!(a == b)) {
            segments.push_back({a, b, &record, branch});
        }
    };
    for (const auto& element : doc.components) {
        const CComponent& c = *element;
        if (c.kindCode == KIND_WIRE_TURN_HV || c.kindCode == KIND_WIRE_TURN_VH) {
            add(c.gridStart, cornerOf(c), c, 0);
            add(cornerOf(c), c.gridFinish, c, 0);
        } else if (joinsLikeWire(c.kindCode)) {
            add(c.gridStart, c.gridFinish, c, 0);
        } else if (isAnalysedBranchKind(c.kindCode)) {
            add(c.gridStart, c.gridFinish, c, c.branchIndex);
        }
    }
    return segments;
}

std::int64_t turn(Point o, Point a, Point b)
{
    return static_cast<std::int64_t>(a.x - o.x) * (b.y - o.y) - static_cast<std::int64_t>(a.y - o.y) * (b.x - o.x);
}

bool isEndOf(Point p, const Segment& s) { return p == s.a || p == s.b; }

bool liesOn(Point p, const Segment& s)
{
    return turn(s.a, s.b, p) == 0 && std::min(s.a.x, s.b.x) <= p.x && p.x <= std::max(s.a.x, s.b.x) &&
           std::min(s.a.y, s.b.y) <= p.y && p.y <= std::max(s.a.y, s.b.y);
}

// Where two segments meet other than end to end, or none. Segments that cross between grid
// points are reported at the grid point nearest the crossing.
std::optional<Point> meetingBesideEnds(const Segment& s, const Segment& t)
{
    const std::int64_t d1 = turn(t.a, t.b, s.a);
    const std::int64_t d2 = turn(t.a, t.b, s.b);
    const std::int64_t d3 = turn(s.a, s.b, t.a);
    const std::int64_t d4 = turn(s.a, s.b, t.b);
    if (((d1 < 0 && d2 > 0) || (d1 > 0 && d2 < 0)) && ((d3 < 0 && d4 > 0) || (d3 > 0 && d4 < 0))) {
        const double f = static_cast<double>(d1) / static_cast<double>(d1 - d2);
        return Point{static_cast<std::int32_t>(std::lround(s.a.x + f * (s.b.x - s.a.x))),
                     static_cast<std::int32_t>(std::lround(s.a.y + f * (s.b.y - s.a.y)))};
    }
    // An end on the other segment's inside, or two collinear segments overlapping beyond a
    // shared end, touch at an end that is not the other's.
    for (const auto& [p, other] : {std::pair{s.a, &t}, std::pair{s.b, &t}, std::pair{t.a, &s}, std::pair{t.b, &s}}) {
        if (liesOn(p, *other) && !isEndOf(p, *other)) {
            return p;
        }
    }
    // Two equal segments share both ends and nothing tells them apart.
    if (isEndOf(s.a, t) && isEndOf(s.b, t)) {
        return s.a;
    }
    return std::nullopt;
}

Explanation crossingExplanation(const Segment& s, const Segment& t, Point at)
{
    Explanation why{fillIn(wording("PlaneMeshes", "%1 and %2 cross at grid point (%3, %4) without meeting at their ends, "
                                                  "and the Mesh Current Method needs a drawing in which no two parts cross. "
                                                  "If they should connect there, end them both at that point; if not, draw "
                                                  "them apart; or analyse the circuit with the Node Voltage Method, which "
                                                  "takes any drawing."),
                           {s.record->label, t.record->label, std::to_string(at.x), std::to_string(at.y)}),
                    {}};
    why.highlight.paintRed(*s.record);
    why.highlight.paintRed(*t.record);
    return why;
}

// The unit cells of the grid a segment passes through or borders. A slanted segment is taken
// column by column, so that a long slanted wire costs its length, not its bounding box.
template <class Visit>
void visitCells(const Segment& s, Visit visit)
{
    const std::int32_t left = std::min(s.a.x, s.b.x);
    const std::int32_t right = std::max(s.a.x, s.b.x);
    const std::int32_t top = std::min(s.a.y, s.b.y);
    const std::int32_t bottom = std::max(s.a.y, s.b.y);
    if (s.a.x == s.b.x || s.a.y == s.b.y) {
        for (std::int32_t x = left - 1; x <= right; ++x) {
            for (std::int32_t y = top - 1; y <= bottom; ++y) {
                visit(Point{x, y});
            }
        }
        return;
    }
    const auto yAt = [&s](double x) { return s.a.y + (x - s.a.x) * (s.b.y - s.a.y) / (s.b.x - s.a.x); };
    for (std::int32_t x = left - 1; x <= right; ++x) {
        const double from = yAt(std::max(x, left));
        const double to = yAt(std::min(x + 1, right));
        const auto low = static_cast<std::int32_t>(std::floor(std::min(from, to))) - 1;
        const auto high = static_cast<std::int32_t>(std::ceil(std::max(from, to)));
        for (std::int32_t y = low; y <= high; ++y) {
            visit(Point{x, y});
        }
    }
}

// Every pair of segments that share a unit cell of the grid is compared, each pair once: two
// segments can only meet in a cell both pass through or border.
std::optional<Explanation> findCrossing(const std::vector<Segment>& segments)
{
    std::unordered_map<std::uint64_t, std::vector<int>> cells;
    std::size_t cellCount = 0;
    for (const Segment& s : segments) {
        cellCount += 3 * static_cast<std::size_t>(std::abs(s.a.x - s.b.x) + std::abs(s.a.y - s.b.y) + 2);
    }
    cells.reserve(cellCount);
    std::vector<int> comparedWith(segments.size(), -1);
    std::optional<Explanation> crossing;
    for (int i = 0; i < static_cast<int>(segments.size()) && !crossing; ++i) {
        const Segment& s = segments[static_cast<std::size_t>(i)];
        visitCells(s, [&](Point p) {
            std::vector<int>& cell = cells[pointKey(p)];
            for (int j : cell) {
                const Segment& t = segments[static_cast<std::size_t>(j)];
                if (crossing || comparedWith[static_cast<std::size_t>(j)] == i || t.record == s.record) {
                    continue;
                }
                comparedWith[static_cast<std::size_t>(j)] = i;
                if (const auto at = meetingBesideEnds(t, s)) {
                    crossing = crossingExplanation(t, s, *at);
                }
            }
            cell.push_back(i);
        });
    }
    return crossing;
}

// The grid points where segments end, numbered as first met.
class PointIndex {
public:
    int of(Point p)
    {
        const auto [found, added] = ids.try_emplace(pointKey(p), static_cast<int>(points.size()));
        if (added) {
            points.push_back(p);
        }
        return found->second;
    }
    const std::vector<Point>& all() const { return points; }

private:
    std::unordered_map<std::uint64_t, int> ids;
    std::vector<Point> points;
};

// The wires that, with the wire from a to b, close a loop: the path of wires already joined
// between the two points, found breadth first.
std::vector<const CComponent*> wireLoop(const std::vector<std::vector<std::pair<int, const CComponent*>>>& wiresAt, int a,
                                        int b)
{
    std::vector<std::pair<int, const CComponent*>> cameFrom(wiresAt.size(), {-1, nullptr});
    std::queue<int> open;
    open.push(a);
    cameFrom[static_cast<std::size_t>(a)] = {a, nullptr};
    while (!open.empty()) {
        const int p = open.front();
        open.pop();
        for (const auto& [q, wire] : wiresAt[static_cast<std::size_t>(p)]) {
            if (cameFrom[static_cast<std::size_t>(q)].first < 0) {
                cameFrom[static_cast<std::size_t>(q)] = {p, wire};
                open.push(q);
            }
        }
    }
    std::vector<const CComponent*> loop;
    for (int p = b; p != a; p = cameFrom[static_cast<std::size_t>(p)].first) {
        loop.push_back(cameFrom[static_cast<std::size_t>(p)].second);
    }
    return loop;
}

// The wires are named in the order the circuit lists them.
Explanation wireLoopExplanation(const std::vector<const CComponent*>& wires, std::vector<const CComponent*> loop)
{
    const auto place = [&wires](const CComponent* w) { return std::find(wires.begin(), wires.end(), w) - wires.begin(); };
    std::sort(loop.begin(), loop.end(), [&](const CComponent* p, const CComponent* q) { return place(p) < place(q); });
    std::vector<std::string> labels;
    for (const CComponent* wire : loop) {
        labels.push_back(wire->label);
    }
    const std::string last = labels.back();
    labels.pop_back();
    labels.push_back(last);
    Explanation why{fillIn(wording("PlaneMeshes", "%1 close a loop of wires, round which no element decides the current, "
                                                  "so the Mesh Current Method cannot give that loop a mesh current. Take one "
                                                  "of those wires away, or analyse the circuit with the Node Voltage Method, "
                                                  "which takes any drawing."),
                           {spokenList(labels)}),
                    {}};
    for (const CComponent* wire : loop) {
        why.highlight.paintRed(*wire);
    }
    return why;
}

std::optional<Explanation> findWireLoop(const CKirvoltDoc& doc, PointIndex& points)
{
    std::vector<std::pair<int, int>> ends;
    std::vector<const CComponent*> wires;
    for (const auto& element : doc.components) {
        if (joinsLikeWire(element->kindCode) && !(element->gridStart == element->gridFinish)) {
            ends.emplace_back(points.of(element->gridStart), points.of(element->gridFinish));
            wires.push_back(element.get());
        }
    }
    DisjointSets joined(static_cast<int>(points.all().size()));
    std::vector<std::vector<std::pair<int, const CComponent*>>> wiresAt(points.all().size());
    for (std::size_t w = 0; w < wires.size(); ++w) {
        const auto [a, b] = ends[w];
        if (!joined.join(a, b)) {
            std::vector<const CComponent*> loop = wireLoop(wiresAt, a, b);
            loop.push_back(wires[w]);
            return wireLoopExplanation(wires, std::move(loop));
        }
        wiresAt[static_cast<std::size_t>(a)].emplace_back(b, wires[w]);
        wiresAt[static_cast<std::size_t>(b)].emplace_back(a, wires[w]);
    }
    return std::nullopt;
}

// Which way a direction points, as an angle from east turning towards south (y grows
// downward), compared exactly: first the half turn it lies in, then the turn between them.
bool pointsBefore(Point u, Point v)
{
    const auto half = [](Point d) { return d.y > 0 || (d.y == 0 && d.x > 0) ? 0 : 1; };
    if (half(u) != half(v)) {
        return half(u) < half(v);
    }
    return turn({0, 0}, u, v) > 0;
}

// Half-edge 2e runs along segment e from a to b, 2e + 1 back. Following a half-edge into a
// point, the walk leaves by the part just before the one it came along in angular order, so
// that every bounded face is walked clockwise on the screen.
struct HalfEdges {
    std::vector<int> from;  // [half-edge]: the point it leaves
    std::vector<int> next;  // [half-edge]: the half-edge after it round its face
};

HalfEdges linkHalfEdges(const std::vector<Segment>& segments, PointIndex& points)
{
    HalfEdges edges;
    const std::size_t count = 2 * segments.size();
    edges.from.resize(count);
    edges.next.resize(count);
    for (std::size_t e = 0; e < segments.size(); ++e) {
        edges.from[2 * e] = points.of(segments[e].a);
        edges.from[2 * e + 1] = points.of(segments[e].b);
    }
    const std::vector<Point>& at = points.all();
    const auto direction = [&](int h) {
        const Point p = at[static_cast<std::size_t>(edges.from[static_cast<std::size_t>(h)])];
        const Point q = at[static_cast<std::size_t>(edges.from[static_cast<std::size_t>(h ^ 1)])];
        return Point{q.x - p.x, q.y - p.y};
    };
    std::vector<std::vector<int>> leaving(at.size());
    for (std::size_t h = 0; h < count; ++h) {
        leaving[static_cast<std::size_t>(edges.from[h])].push_back(static_cast<int>(h));
    }
    for (std::vector<int>& around : leaving) {
        std::sort(around.begin(), around.end(), [&](int g, int h) { return pointsBefore(direction(g), direction(h)); });
        const std::size_t n = around.size();
        for (std::size_t i = 0; i < n; ++i) {
            // The half-edge that arrives along around[i] goes on along the one before it.
            edges.next[static_cast<std::size_t>(around[i] ^ 1)] = around[(i + n - 1) % n];
        }
    }
    return edges;
}

struct Face {
    int firstEdge;       // where the walk starts: the first edge leaving its top-left point
    std::int64_t area2;  // twice its area, positive for a face walked clockwise on the screen
};

// Whether half-edge g comes before h in reading order: the higher point, then the one further
// left, then the direction first in angular order.
bool readsBefore(const HalfEdges& edges, const std::vector<Point>& at, int g, int h)
{
    const Point p = at[static_cast<std::size_t>(edges.from[static_cast<std::size_t>(g)])];
    const Point q = at[static_cast<std::size_t>(edges.from[static_cast<std::size_t>(h)])];
    if (p.y != q.y || p.x != q.x) {
        return p.y != q.y ? p.y < q.y : p.x < q.x;
    }
    const auto direction = [&](int k) {
        const Point r = at[static_cast<std::size_t>(edges.from[static_cast<std::size_t>(k ^ 1)])];
        const Point o = at[static_cast<std::size_t>(edges.from[static_cast<std::size_t>(k)])];
        return Point{r.x - o.x, r.y - o.y};
    };
    return pointsBefore(direction(g), direction(h));
}

std::vector<Face> walkFaces(const HalfEdges& edges, const std::vector<Point>& at, std::vector<int>& faceOf)
{
    std::vector<Face> faces;
    faceOf.assign(edges.next.size(), -1);
    for (std::size_t start = 0; start < edges.next.size(); ++start) {
        if (faceOf[start] >= 0) {
            continue;
        }
        Face face{static_cast<int>(start), 0};
        int h = static_cast<int>(start);
        do {
            faceOf[static_cast<std::size_t>(h)] = static_cast<int>(faces.size());
            const Point p = at[static_cast<std::size_t>(edges.from[static_cast<std::size_t>(h)])];
            const Point q = at[static_cast<std::size_t>(edges.from[static_cast<std::size_t>(h ^ 1)])];
            face.area2 += static_cast<std::int64_t>(p.x) * q.y - static_cast<std::int64_t>(q.x) * p.y;
            if (readsBefore(edges, at, h, face.firstEdge)) {
                face.firstEdge = h;
            }
            h = edges.next[static_cast<std::size_t>(h)];
        } while (h != static_cast<int>(start));
        faces.push_back(face);
    }
    return faces;
}

PlaneMeshes meshesOfFaces(const CKirvoltDoc& doc, const std::vector<Segment>& segments, const HalfEdges& edges,
                          const std::vector<Point>& at)
{
    std::vector<int> faceOf;
    const std::vector<Face> faces = walkFaces(edges, at, faceOf);
    // Every bounded face is walked clockwise, so its area comes out positive; the outside of
    // each connected drawing, and a drawing without a loop, come out negative or zero.
    std::vector<int> bounded;
    for (std::size_t f = 0; f < faces.size(); ++f) {
        if (faces[f].area2 > 0) {
            bounded.push_back(static_cast<int>(f));
        }
    }
    std::sort(bounded.begin(), bounded.end(), [&](int f, int g) {
        return readsBefore(edges, at, faces[static_cast<std::size_t>(f)].firstEdge, faces[static_cast<std::size_t>(g)].firstEdge);
    });
    std::vector<int> meshOfFace(faces.size(), 0);
    for (std::size_t k = 0; k < bounded.size(); ++k) {
        meshOfFace[static_cast<std::size_t>(bounded[k])] = static_cast<int>(k) + 1;
    }
    PlaneMeshes found;
    found.sides.resize(static_cast<std::size_t>(numberedBranchCount(doc)) + 1);
    const auto meshAlong = [&](int h) { return meshOfFace[static_cast<std::size_t>(faceOf[static_cast<std::size_t>(h)])]; };
    for (std::size_t e = 0; e < segments.size(); ++e) {
        const int branch = segments[e].branch;
        const int forward = meshAlong(static_cast<int>(2 * e));
        const int backward = meshAlong(static_cast<int>(2 * e + 1));
        // A part with one face on both sides belongs to no loop and carries no mesh current.
        if (branch >= 1 && static_cast<std::size_t>(branch) < found.sides.size() && forward != backward) {
            found.sides[static_cast<std::size_t>(branch)] = {forward, backward};
        }
    }
    for (int f : bounded) {
        const int first = faces[static_cast<std::size_t>(f)].firstEdge;
        Mesh mesh{at[static_cast<std::size_t>(edges.from[static_cast<std::size_t>(first)])], {}, {}};
        int h = first;
        do {
            mesh.outline.push_back(at[static_cast<std::size_t>(edges.from[static_cast<std::size_t>(h)])]);
            const int branch = segments[static_cast<std::size_t>(h / 2)].branch;
            const MeshSides& sides = branch >= 1 ? found.sides[static_cast<std::size_t>(branch)] : MeshSides{};
            if (branch >= 1 && sides.forward != sides.backward) {
                mesh.boundary.push_back({branch, h % 2 == 0 ? +1 : -1});
            }
            h = edges.next[static_cast<std::size_t>(h)];
        } while (h != first);
        found.meshes.push_back(std::move(mesh));
    }
    return found;
}

// Whether the point lies inside the closed walk, by the crossings of a ray to its right; the
// points are in logical units, the outline's scaled to them, so that no division rounds.
bool encloses(const std::vector<Point>& outline, Point logical, int gridSize)
{
    bool inside = false;
    const auto scaled = [gridSize](Point p) { return Point{p.x * gridSize, p.y * gridSize}; };
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const Point a = scaled(outline[i]);
        const Point b = scaled(outline[j]);
        if ((a.y > logical.y) != (b.y > logical.y)) {
            // The edge's x at the point's height lies right of the point.
            const std::int64_t dy = b.y - a.y;
            const std::int64_t across = static_cast<std::int64_t>(b.x - a.x) * (logical.y - a.y);
            const std::int64_t left = static_cast<std::int64_t>(logical.x - a.x) * dy;
            if (dy > 0 ? left < across : left > across) {
                inside = !inside;
            }
        }
    }
    return inside;
}

std::int64_t twiceArea(const std::vector<Point>& outline)
{
    std::int64_t area2 = 0;
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        area2 += static_cast<std::int64_t>(outline[j].x) * outline[i].y - static_cast<std::int64_t>(outline[i].x) * outline[j].y;
    }
    return area2 < 0 ? -area2 : area2;
}

}  // namespace

int meshContaining(const PlaneMeshes& meshes, Point logical, int gridSize)
{
    int found = 0;
    std::int64_t smallest = 0;
    for (int k = 1; k <= meshes.count(); ++k) {
        const std::vector<Point>& outline = meshes.mesh(k).outline;
        if (outline.empty() || !encloses(outline, logical, gridSize)) {
            continue;
        }
        const std::int64_t area2 = twiceArea(outline);
        if (found == 0 || area2 < smallest) {
            found = k;
            smallest = area2;
        }
    }
    return found;
}

std::variant<PlaneMeshes, Explanation> findMeshes(const CKirvoltDoc& doc)
{
    const std::vector<Segment> segments = segmentsOf(doc);
    if (auto crossing = findCrossing(segments)) {
        return std::move(*crossing);
    }
    PointIndex points;
    if (auto loop = findWireLoop(doc, points)) {
        return std::move(*loop);
    }
    const HalfEdges edges = linkHalfEdges(segments, points);
    return meshesOfFaces(doc, segments, edges, points.all());
}

}  // namespace kirvolt
