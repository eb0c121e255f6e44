#include "document/hit_test.h"

#include <algorithm>
#include <cmath>

namespace kirvolt {
namespace {

bool contains(const Rect& r, Point p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// The box around the segment a-b (horizontal or vertical), widened by `across` on both sides.
Rect legBox(Point a, Point b, int across)
{
    if (a.x == b.x) {
        return {a.x - across, std::min(a.y, b.y), a.x + across, std::max(a.y, b.y)};
    }
    return {std::min(a.x, b.x), a.y - across, std::max(a.x, b.x), a.y + across};
}

bool nearSlantedLine(Point a, Point b, Point p)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    const double along = ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared;
    if (along < 0.0 || along > 1.0) {
        return false;
    }
    const double distance = std::fabs((p.x - a.x) * dy - (p.y - a.y) * dx) / std::sqrt(lengthSquared);
    return distance <= 5.0;
}

bool hitsStraightWire(CComponent& wire, Point p, int c)
{
    const Point a = wire.startPoint;
    const Point b = wire.finishPoint;
    if (a.x == b.x) {
        wire.hitRect = legBox(a, b, c / 2);
        return contains(wire.hitRect, p);
    }
    if (a.y == b.y) {
        wire.hitRect = legBox(a, b, c / 10);
        return contains(wire.hitRect, p);
    }
    wire.hitRect = {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    return nearSlantedLine(a, b, p);
}

bool hitsTurningWire(CComponent& wire, Point p, int c)
{
    const Rect first = legBox(wire.startPoint, wire.position, c / 10);
    const Rect second = legBox(wire.position, wire.finishPoint, c / 10);
    if (contains(first, p)) {
        wire.hitRect = first;
        return true;
    }
    if (contains(second, p)) {
        wire.hitRect = second;
        return true;
    }
    return false;
}

bool hits(CComponent& element, Point p, int c)
{
    switch (element.kindCode) {
    case KIND_RESISTOR:
    case KIND_VOLTAGE_SOURCE:
    case KIND_CURRENT_SOURCE:
    case KIND_VOLTMETER:
    case KIND_AMMETER:
    case KIND_JOINT:
        return contains(element.hitRect, p);
    case KIND_WIRE:
        return hitsStraightWire(element, p, c);
    case KIND_WIRE_TURN_HV:
    case KIND_WIRE_TURN_VH:
        return hitsTurningWire(element, p, c);
    default:
        return false;
    }
}

}  // namespace

CComponent* HitTest(CKirvoltDoc& doc, Point point)
{
    for (const auto& element : doc.components) {
        if (hits(*element, point, doc.gridSize)) {
            return element.get();
        }
    }
    return nullptr;
}

CComponent* jointAt(CKirvoltDoc& doc, Point point)
{
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_JOINT && contains(element->hitRect, point)) {
            return element.get();
        }
    }
    return nullptr;
}

CComponent* nodeJointAt(CKirvoltDoc& doc, Point point)
{
    if (CComponent* joint = jointAt(doc, point)) {
        return joint;
    }
    const CComponent* wire = HitTest(doc, point);
    if (wire == nullptr || !isWireKind(wire->kindCode)) {
        return nullptr;
    }
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_JOINT &&
            (element->gridStart == wire->gridStart || element->gridStart == wire->gridFinish)) {
            return element.get();
        }
    }
    return nullptr;
}

CComponent* HitTestForDialog(CKirvoltDoc& doc, Point point)
{
    CComponent* hit = HitTest(doc, point);
    if (hit != nullptr && isWireKind(hit->kindCode)) {
        if (CComponent* joint = jointAt(doc, point)) {
            return joint;
        }
    }
    return hit;
}

}  // namespace kirvolt
