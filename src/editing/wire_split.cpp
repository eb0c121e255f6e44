#include "editing/wire_split.h"

#include <algorithm>

namespace kirvolt {
namespace {

bool strictlyBetween(int value, int a, int b)
{
    return value > std::min(a, b) && value < std::max(a, b);
}

// Only the inner points of vertical and horizontal wires count: a slanted wire whose start
// shares a row or column with the point does not pass through it.
bool runsThrough(const CComponent& wire, Point p)
{
    const Point a = wire.gridStart;
    const Point b = wire.gridFinish;
    const bool vertical = a.x == p.x && b.x == p.x && strictlyBetween(p.y, a.y, b.y);
    const bool horizontal = a.y == p.y && b.y == p.y && strictlyBetween(p.x, a.x, b.x);
    return vertical || horizontal;
}

CComponent* lastWireThrough(CKirvoltDoc& doc, Point p)
{
    CComponent* found = nullptr;
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_WIRE && runsThrough(*element, p)) {
            found = element.get();
        }
    }
    return found;
}

bool componentTerminalAt(const CKirvoltDoc& doc, Point p)
{
    return std::any_of(doc.components.begin(), doc.components.end(), [p](const auto& element) {
        const int kind = element->kindCode;
        return isSourceOrResistorKind(kind) && (element->gridStart == p || element->gridFinish == p);
    });
}

}  // namespace

bool splitWireAtJoint(CKirvoltDoc& doc, Point gridPoint)
{
    CComponent* wire = lastWireThrough(doc, gridPoint);
    if (wire == nullptr || !componentTerminalAt(doc, gridPoint)) {
        return false;
    }
    const int g = doc.gridSize;
    const Point terminal = toLogical(gridPoint, g);
    doc.AddComponent(std::make_unique<CWire>(doc.wireCount, wire->startPoint, terminal, COLOUR_WIRE, KIND_WIRE, g,
                                             doc.display().resistorStyle));
    doc.AddComponent(std::make_unique<CWire>(doc.wireCount, terminal, wire->finishPoint, COLOUR_WIRE, KIND_WIRE, g,
                                             doc.display().resistorStyle));
    doc.RemoveComponent(wire);
    return true;
}

}  // namespace kirvolt
