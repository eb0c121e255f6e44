#include "editing/selection_turn.h"

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

#include "document/wording.h"
#include "editing/carried_records.h"

namespace kirvolt {
namespace {

// Coordinates doubled, so that a centre between grid points is a whole number.
struct Centre {
    int x2 = 0;
    int y2 = 0;
};

int modulo4(int v)
{
    return ((v % 4) + 4) % 4;
}

// The centre of the box, moved by half a step where turning about it would take grid points
// off the grid. The half step goes to one of the centres that every box which turns onto this
// one would choose too: for a rotation, the points whose whole and half coordinates (u, v) =
// ((x2 + y2) / 2, (x2 - y2) / 2) are both even; each off-grid centre has exactly one of them
// beside it. For a mirror, the axis on an even grid line.
Centre centreOf(const Rect& box, Turn turn)
{
    Centre c{box.left + box.right, box.top + box.bottom};
    if (turn == Turn::Mirror) {
        if (c.x2 % 2 != 0) {
            c.x2 += modulo4(c.x2 + 1) == 0 ? 1 : -1;
        }
        return c;
    }
    if ((c.x2 + c.y2) % 2 != 0) {
        for (const auto& [dx, dy] : std::array<std::pair<int, int>, 4>{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}}) {
            const int x2 = c.x2 + dx;
            const int y2 = c.y2 + dy;
            if (modulo4(x2 + y2) == 0 && modulo4(x2 - y2) == 0) {
                return {x2, y2};
            }
        }
    }
    return c;
}

// A point turned about the centre scaled by the grid step: 1 for grid points, g for logical ones.
Point turned(Point p, Centre c, int scale, Turn turn)
{
    const int x2 = c.x2 * scale;
    const int y2 = c.y2 * scale;
    if (turn == Turn::Mirror) {
        return {x2 - p.x, p.y};
    }
    // (dx, dy) becomes (dy, -dx): y grows downward, so this turns anticlockwise on screen.
    return {(x2 + 2 * p.y - y2) / 2, (y2 - 2 * p.x + x2) / 2};
}

Rect turned(const Rect& r, Centre c, int scale, Turn turn)
{
    const Point a = turned(Point{r.left, r.top}, c, scale, turn);
    const Point b = turned(Point{r.right, r.bottom}, c, scale, turn);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

Rect gridBox(const std::vector<CComponent*>& records)
{
    const Point first = records.front()->gridPosition;
    Rect box{first.x, first.y, first.x, first.y};
    for (const CComponent* record : records) {
        for (const Point p : {record->gridPosition, record->gridStart, record->gridFinish}) {
            box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x),
                   std::max(box.bottom, p.y)};
        }
    }
    return box;
}

bool withinArea(const CComponent& record, int gridSize)
{
    const int far = DRAWING_AREA / std::max(gridSize, 1);
    return std::ranges::all_of(std::array{record.gridStart, record.gridFinish, record.gridPosition},
                               [far](Point p) { return p.x >= 0 && p.y >= 0 && p.x <= far && p.y <= far; });
}

std::uint16_t turnedWireKind(std::uint16_t kind, Turn turn)
{
    // A quarter turn takes the corner at (finish x, start y) to (start x, finish y); a mirror
    // image keeps it where it was.
    if (turn == Turn::Mirror || kind == KIND_WIRE) {
        return kind;
    }
    return kind == KIND_WIRE_TURN_HV ? KIND_WIRE_TURN_VH : KIND_WIRE_TURN_HV;
}

}  // namespace

int turnedOrientation(int orientation, Turn turn)
{
    if (orientation < ORIENT_EAST || orientation > ORIENT_SOUTH) {
        return orientation;
    }
    if (turn == Turn::Rotate) {
        return (orientation + 1) % 4;
    }
    return orientation == ORIENT_EAST || orientation == ORIENT_WEST ? turnedRound(orientation) : orientation;
}

std::optional<std::string> turnSelection(CKirvoltDoc& doc, const std::vector<CComponent*>& selected, Turn turn)
{
    if (selected.empty()) {
        return std::nullopt;
    }
    const Centre centre = centreOf(gridBox(selected), turn);
    const int g = doc.gridSize;
    std::vector<std::pair<CComponent*, std::unique_ptr<CComponent>>> results;
    for (const auto& [record, ends] : carriedWith(doc, selected)) {
        std::unique_ptr<CComponent> after = cloneRecord(*record);
        const bool startTurns = ends != CarriedEnds::Finish;
        const bool finishTurns = ends != CarriedEnds::Start;
        const Point start = startTurns ? turned(record->gridStart, centre, 1, turn) : record->gridStart;
        const Point finish = finishTurns ? turned(record->gridFinish, centre, 1, turn) : record->gridFinish;
        if (isWireKind(record->kindCode) && ends == CarriedEnds::Whole) {
            after->kindCode = turnedWireKind(record->kindCode, turn);
            after->setWireEnds(start, finish, g);
        } else if (isWireKind(record->kindCode)) {
            followWireEnds(*after, start, finish, g);
        } else {
            after->gridStart = start;
            after->gridFinish = finish;
            after->gridPosition = turned(record->gridPosition, centre, 1, turn);
            after->startPoint = turned(record->startPoint, centre, g, turn);
            after->finishPoint = turned(record->finishPoint, centre, g, turn);
            after->position = turned(record->position, centre, g, turn);
            after->hitRect = turned(record->hitRect, centre, g, turn);
            after->orientation = turnedOrientation(record->orientation, turn);
        }
        if (!withinArea(*after, g)) {
            return wording("Selection", "Turned about its centre, the selection would leave the drawing area. Move it further in first.");
        }
        results.emplace_back(record, std::move(after));
    }
    for (auto& [record, after] : results) {
        *record = *after;
    }
    doc.nodesValid = 0;
    doc.noteEdit();
    return std::nullopt;
}

}  // namespace kirvolt
