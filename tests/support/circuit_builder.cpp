#include "support/circuit_builder.h"

#include <stdexcept>

namespace kirvolt::testing {

CComponent& CircuitBuilder::element(int kind, Point at, int orientation, double value)
{
    const int g = doc.gridSize;
    const int style = doc.display().resistorStyle;
    const Point p = logical(at);
    std::unique_ptr<CComponent> record;
    switch (kind) {
    case KIND_RESISTOR:
        record = std::make_unique<CResistor>(doc.resistorCount++, p, orientation, COLOUR_COMPONENT, DISPLAY_PLACED, g,
                                             style);
        break;
    case KIND_VOLTAGE_SOURCE:
        record = std::make_unique<CVoltageSource>(doc.voltageSourceCount++, p, orientation, COLOUR_COMPONENT,
                                                  DISPLAY_PLACED, g, style);
        break;
    case KIND_CURRENT_SOURCE:
        record = std::make_unique<CCurrentSource>(doc.currentSourceCount++, p, orientation, COLOUR_COMPONENT,
                                                  DISPLAY_PLACED, g, style);
        break;
    case KIND_VOLTMETER:
        record = std::make_unique<CVoltmeter>(doc.voltmeterCount++, p, orientation, COLOUR_METER, DISPLAY_PLACED, g,
                                              style);
        break;
    case KIND_AMMETER:
        record = std::make_unique<CAmmeter>(doc.ammeterCount++, p, orientation, COLOUR_METER, DISPLAY_PLACED, g, style);
        break;
    default:
        throw std::invalid_argument("not a kind with two terminals");
    }
    record->setValue(value);
    return *doc.AddComponent(std::move(record));
}

CComponent& CircuitBuilder::resistor(int x, int y, int orientation, double ohms)
{
    return element(KIND_RESISTOR, {x, y}, orientation, ohms);
}

CComponent& CircuitBuilder::voltageSource(int x, int y, int orientation, double volts)
{
    return element(KIND_VOLTAGE_SOURCE, {x, y}, orientation, volts);
}

CComponent& CircuitBuilder::currentSource(int x, int y, int orientation, double amperes)
{
    return element(KIND_CURRENT_SOURCE, {x, y}, orientation, amperes);
}

CComponent& CircuitBuilder::wire(Point from, Point to, std::uint16_t kind)
{
    return *doc.AddComponent(std::make_unique<CWire>(doc.wireCount++, logical(from), logical(to), COLOUR_WIRE, kind,
                                                     doc.gridSize, doc.display().resistorStyle));
}

CComponent& CircuitBuilder::wire(int x1, int y1, int x2, int y2)
{
    return wire(Point{x1, y1}, Point{x2, y2});
}

CComponent& CircuitBuilder::joint(int x, int y)
{
    return *doc.AddComponent(
        std::make_unique<CNode>(logical({x, y}), 0, DISPLAY_PLACED, doc.gridSize, doc.display().resistorStyle));
}

CComponent& CircuitBuilder::between(int kind, Point a, Point b, double value)
{
    const Point middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
    const bool horizontal = a.y == b.y;
    const int orientation = horizontal ? (a.x < b.x ? ORIENT_EAST : ORIENT_WEST)
                                       : (a.y < b.y ? ORIENT_SOUTH : ORIENT_NORTH);
    CComponent& c = element(kind, middle, startsAhead(kind) ? turnedRound(orientation) : orientation, value);
    for (const auto& [from, to] : {std::pair{a, c.gridStart}, std::pair{c.gridFinish, b}}) {
        if (from != to) {
            wire(from, to);
        }
    }
    return c;
}

CComponent& CircuitBuilder::wiredTo(int kind, Point at, Point start, Point finish, double value)
{
    CComponent& c = element(kind, at, ORIENT_EAST, value);
    wire(c.gridStart, start);
    wire(c.gridFinish, finish);
    return c;
}

void shiftRight(CKirvoltDoc& doc, int steps)
{
    const int dx = steps * doc.gridSize;
    for (const auto& e : doc.components) {
        for (Point* p : {&e->position, &e->startPoint, &e->finishPoint}) {
            p->x += dx;
        }
        for (Point* p : {&e->gridPosition, &e->gridStart, &e->gridFinish}) {
            p->x += steps;
        }
        e->hitRect.left += dx;
        e->hitRect.right += dx;
    }
}

}  // namespace kirvolt::testing
