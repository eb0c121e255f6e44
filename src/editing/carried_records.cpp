#include "editing/carried_records.h"

#include <set>
#include <utility>

namespace kirvolt {
namespace {

using GridPoint = std::pair<int, int>;

GridPoint key(Point p)
{
    return {p.x, p.y};
}

bool inLine(Point a, Point b)
{
    return a.x == b.x || a.y == b.y;
}

}  // namespace

std::vector<CarriedRecord> carriedWith(CKirvoltDoc& doc, const std::vector<CComponent*>& selected)
{
    std::set<GridPoint> carried;
    std::set<std::uint64_t> whole;
    for (const CComponent* record : selected) {
        whole.insert(record->recordId);
        carried.insert(key(record->gridStart));
        carried.insert(key(record->gridFinish));
    }
    std::vector<CarriedRecord> found;
    for (const auto& owned : doc.components) {
        CComponent& record = *owned;
        const bool atStart = carried.contains(key(record.gridStart));
        const bool atFinish = carried.contains(key(record.gridFinish));
        if (whole.contains(record.recordId) || (record.kindCode == KIND_JOINT && atStart)) {
            found.push_back({&record, CarriedEnds::Whole});
        } else if (isWireKind(record.kindCode) && atStart && atFinish) {
            found.push_back({&record, CarriedEnds::Whole});
        } else if (isWireKind(record.kindCode) && (atStart || atFinish)) {
            found.push_back({&record, atStart ? CarriedEnds::Start : CarriedEnds::Finish});
        }
    }
    return found;
}

void followWireEnds(CComponent& wire, Point gridStart, Point gridFinish, int g)
{
    const bool startStays = gridStart == wire.gridStart;
    const bool finishStays = gridFinish == wire.gridFinish;
    const bool ranStraight = wire.kindCode == KIND_WIRE && inLine(wire.gridStart, wire.gridFinish);
    if (ranStraight && !inLine(gridStart, gridFinish) && startStays != finishStays) {
        // Horizontal, the corner lies below or above the end that stayed; vertical, beside it.
        const bool horizontal = wire.gridStart.y == wire.gridFinish.y;
        wire.kindCode = horizontal == startStays ? KIND_WIRE_TURN_VH : KIND_WIRE_TURN_HV;
    } else if (wire.kindCode != KIND_WIRE && inLine(gridStart, gridFinish)) {
        wire.kindCode = KIND_WIRE;
    }
    wire.setWireEnds(gridStart, gridFinish, g);
}

}  // namespace kirvolt
