#include "editing/selection_drag.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace kirvolt {
namespace {

void widen(Rect& r, Point p)
{
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
}

Point plus(Point a, Point b)
{
    return {a.x + b.x, a.y + b.y};
}

std::unordered_map<std::uint64_t, CComponent*> recordsById(CKirvoltDoc& doc)
{
    std::unordered_map<std::uint64_t, CComponent*> found;
    for (const auto& record : doc.components) {
        found.emplace(record->recordId, record.get());
    }
    return found;
}

}  // namespace

void SelectionDrag::begin(CKirvoltDoc& doc, const std::vector<CComponent*>& selected)
{
    moving.clear();
    shown = {0, 0};
    started = true;
    savedNodesValid = doc.nodesValid;
    savedRevision = doc.revision();
    savedModified = doc.IsModified();
    bool first = true;
    for (const auto& [record, ends] : carriedWith(doc, selected)) {
        moving.push_back({record->recordId, ends, cloneRecord(*record)});
        const bool start = ends != CarriedEnds::Finish;
        const bool finish = ends != CarriedEnds::Start;
        const std::pair<Point, bool> points[] = {{record->gridStart, start}, {record->gridFinish, finish}};
        for (const auto& [point, moves] : points) {
            if (!moves) {
                continue;
            }
            if (first) {
                extent = {point.x, point.y, point.x, point.y};
                first = false;
            }
            widen(extent, point);
        }
        if (ends == CarriedEnds::Whole) {
            widen(extent, record->gridPosition);
        }
    }
}

// The moved points stay between the drawing area's top left corner and its far edge at the
// present grid step.
Point SelectionDrag::clamped(Point offset, int gridSize) const
{
    const int far = DRAWING_AREA / std::max(gridSize, 1);
    const int minX = -extent.left;
    const int minY = -extent.top;
    const int maxX = std::max(minX, far - extent.right);
    const int maxY = std::max(minY, far - extent.bottom);
    return {std::clamp(offset.x, minX, maxX), std::clamp(offset.y, minY, maxY)};
}

bool SelectionDrag::moveBy(CKirvoltDoc& doc, Point offset)
{
    if (!started || moving.empty()) {
        return false;
    }
    const Point next = clamped(offset, doc.gridSize);
    if (next == shown) {
        return false;
    }
    shown = next;
    const auto records = recordsById(doc);
    const int g = doc.gridSize;
    for (const Moving& m : moving) {
        const auto found = records.find(m.id);
        if (found == records.end()) {
            continue;
        }
        CComponent& record = *found->second;
        const CComponent& was = *m.original;
        record = was;
        if (isWireKind(record.kindCode)) {
            const Point start = m.ends == CarriedEnds::Finish ? was.gridStart : plus(was.gridStart, shown);
            const Point finish = m.ends == CarriedEnds::Start ? was.gridFinish : plus(was.gridFinish, shown);
            followWireEnds(record, start, finish, g);
        } else {
            record.shiftBy(shown, g);
        }
    }
    if (shown == Point{0, 0}) {
        doc.nodesValid = savedNodesValid;
        doc.returnToRevision(savedRevision);
        doc.SetModifiedFlag(savedModified);
    } else {
        doc.nodesValid = 0;
        doc.noteEdit();
    }
    return true;
}

bool SelectionDrag::finish(CKirvoltDoc& doc)
{
    const bool moved = started && shown != Point{0, 0};
    if (!moved) {
        cancel(doc);
        return false;
    }
    started = false;
    moving.clear();
    return true;
}

void SelectionDrag::cancel(CKirvoltDoc& doc)
{
    if (!started) {
        return;
    }
    moveBy(doc, {0, 0});
    started = false;
    moving.clear();
}

}  // namespace kirvolt
