#include "document/component.h"

#include <bit>
#include <functional>
#include <map>

#include "document/archive.h"

namespace kirvolt {

Point toGrid(Point logical, int gridSize)
{
    return {logical.x / gridSize, logical.y / gridSize};
}

Point toLogical(Point grid, int gridSize)
{
    return {grid.x * gridSize, grid.y * gridSize};
}

void CComponent::Persist(Archive& archive)
{
    archive.exchange(arrowDirection);
    archive.exchange(datumMark);
    archive.exchange(current);
    archive.exchange(pd);
    archive.exchange(startVoltage);
    archive.exchange(finishVoltage);
    archive.exchange(startNode);
    archive.exchange(finishNode);
    archive.exchange(colour);
    archive.exchange(startPoint);
    archive.exchange(finishPoint);
    archive.exchange(hitRect);
    archive.exchange(name);
    archive.exchange(label);
    archive.exchange(value);
    archive.exchange(displayState);
    archive.exchange(orientation);
    archive.exchange(connectorFlag);
    archive.exchange(resistorStyle);
    archive.exchange(kindCode);
    archive.exchange(position);
    archive.exchange(gridPosition);
    archive.exchange(gridStart);
    archive.exchange(gridFinish);
    // Every pass over the list dispatches on the kind code; a record of no known kind has
    // no terminals, symbol or part in the analysis.
    if (archive.isLoading() && (kindCode < KIND_RESISTOR || kindCode > KIND_JOINT)) {
        throw FileFormatError();
    }
    if (archive.isLoading() && !liesWithinReach(*this)) {
        throw FileFormatError();
    }
    // A file may come from a version that lost the current of a moved source.
    if (archive.isLoading() && kindCode == KIND_CURRENT_SOURCE) {
        current = value;
    }
}

void CComponent::setValue(double newValue)
{
    value = newValue;
    if (kindCode == KIND_CURRENT_SOURCE) {
        current = newValue;
    } else if (kindCode == KIND_VOLTAGE_SOURCE) {
        pd = newValue;
    }
}

bool liesWithinReach(const CComponent& c)
{
    const auto within = [](Point p, std::int32_t bound) {
        return p.x >= -bound && p.x <= bound && p.y >= -bound && p.y <= bound;
    };
    const auto logical = [&within](Point p) { return within(p, MAX_COORDINATE); };
    const auto grid = [&within](Point p) { return within(p, MAX_GRID_COORDINATE); };
    // A hit rectangle reaches up to a grid step beyond the point it surrounds.
    const auto box = [&within](Point p) { return within(p, MAX_COORDINATE + MAX_GRID_SIZE); };
    const Rect& r = c.hitRect;
    return logical(c.startPoint) && logical(c.finishPoint) && logical(c.position) && box({r.left, r.top}) &&
           box({r.right, r.bottom}) && grid(c.gridPosition) && grid(c.gridStart) && grid(c.gridFinish);
}

void CComponent::deriveTerminals(int g)
{
    if (isTwoTerminalKind(kindCode) && orientation >= ORIENT_EAST && orientation <= ORIENT_SOUTH) {
        const int x = position.x;
        const int y = position.y;
        const int h = 3 * g;
        const Point behind[] = {{x - h, y}, {x, y + h}, {x + h, y}, {x, y - h}};
        const Point ahead[] = {{x + h, y}, {x, y - h}, {x - h, y}, {x, y + h}};
        startPoint = startsAhead(kindCode) ? ahead[orientation] : behind[orientation];
        finishPoint = startsAhead(kindCode) ? behind[orientation] : ahead[orientation];
    } else if (kindCode == KIND_JOINT) {
        startPoint = position;
        finishPoint = position;
    }
    gridStart = toGrid(startPoint, g);
    gridFinish = toGrid(finishPoint, g);
}

void CComponent::deriveHitRect(int g)
{
    if (isTwoTerminalKind(kindCode)) {
        hitRect = {position.x - g, position.y - g, position.x + g, position.y + g};
    } else if (kindCode == KIND_JOINT) {
        const int h = g / 2;
        hitRect = {position.x - h, position.y - h, position.x + h, position.y + h};
    }
}

void CComponent::shiftBy(Point d, int g)
{
    const auto moved = [d](Point p) { return Point{p.x + d.x, p.y + d.y}; };
    gridPosition = moved(gridPosition);
    gridStart = moved(gridStart);
    gridFinish = moved(gridFinish);
    position = toLogical(gridPosition, g);
    startPoint = toLogical(gridStart, g);
    finishPoint = toLogical(gridFinish, g);
    deriveHitRect(g);
}

void CComponent::setWireEnds(Point gridStartPoint, Point gridFinishPoint, int g)
{
    startPoint = toLogical(gridStartPoint, g);
    finishPoint = toLogical(gridFinishPoint, g);
    gridStart = gridStartPoint;
    gridFinish = gridFinishPoint;
    if (kindCode == KIND_WIRE_TURN_HV) {
        position = {finishPoint.x, startPoint.y};
    } else if (kindCode == KIND_WIRE_TURN_VH) {
        position = {startPoint.x, finishPoint.y};
    } else {
        position = startPoint;
    }
    gridPosition = toGrid(position, g);
}

void CComponent::takeMovedIdentity(const std::string& movedName, double movedValue)
{
    name = movedName;
    label = movedName;
    setValue(isWireKind(kindCode) ? 0.0 : movedValue);
}

void CComponent::constructTwoTerminal(std::string_view prefix, int number, Point at, int orient,
                                      Colour col, int state, std::uint16_t kind, int g, int style)
{
    arrowDirection = ARROW_NONE;
    displayState = state;
    name = std::string(prefix) + std::to_string(number);
    label = name;
    position = at;
    gridPosition = toGrid(at, g);
    colour = col;
    orientation = orient;
    connectorFlag = 0;
    kindCode = kind;
    setValue(0.0);
    resistorStyle = style;
    deriveTerminals(g);
    deriveHitRect(g);
}

CResistor::CResistor(int number, Point at, int orient, Colour col, int state, int g, int style)
{
    constructTwoTerminal("R", number, at, orient, col, state, KIND_RESISTOR, g, style);
}

CVoltageSource::CVoltageSource(int number, Point at, int orient, Colour col, int state, int g, int style)
{
    constructTwoTerminal("E", number, at, orient, col, state, KIND_VOLTAGE_SOURCE, g, style);
}

CCurrentSource::CCurrentSource(int number, Point at, int orient, Colour col, int state, int g, int style)
{
    constructTwoTerminal("J", number, at, orient, col, state, KIND_CURRENT_SOURCE, g, style);
}

CVoltmeter::CVoltmeter(int number, Point at, int orient, Colour col, int state, int g, int style)
{
    constructTwoTerminal("Vm", number, at, orient, col, state, KIND_VOLTMETER, g, style);
}

CAmmeter::CAmmeter(int number, Point at, int orient, Colour col, int state, int g, int style)
{
    constructTwoTerminal("Am", number, at, orient, col, state, KIND_AMMETER, g, style);
}

CNode::CNode(Point at, int nodeNumber, int state, int g, int style)
{
    displayState = state;
    branchIndex = 0;
    datumMark = 0;
    startNode = nodeNumber;
    finishNode = nodeNumber;
    label = std::to_string(nodeNumber);
    position = at;
    startPoint = at;
    finishPoint = at;
    gridPosition = toGrid(at, g);
    gridStart = gridPosition;
    gridFinish = gridPosition;
    orientation = ORIENT_EAST;
    arrowDirection = ARROW_NONE;
    colour = COLOUR_JOINT;
    connectorFlag = 1;
    kindCode = KIND_JOINT;
    resistorStyle = style;
    deriveHitRect(g);
}

CWire::CWire(int number, Point start, Point finish, Colour col, std::uint16_t kind, int g, int style)
{
    name = std::string("W").append(std::to_string(number));
    label = name;
    value = 0.0;
    arrowDirection = ARROW_NONE;
    displayState = DISPLAY_PLACED;
    if (kind == KIND_WIRE_TURN_HV) {
        position = {finish.x, start.y};
    } else if (kind == KIND_WIRE_TURN_VH) {
        position = {start.x, finish.y};
    } else {
        position = start;
    }
    gridPosition = toGrid(position, g);
    startPoint = start;
    gridStart = toGrid(start, g);
    finishPoint = finish;
    gridFinish = toGrid(finish, g);
    orientation = ORIENT_EAST;
    colour = col;
    connectorFlag = 1;
    kindCode = kind;
    resistorStyle = style;
}

std::unique_ptr<CComponent> cloneRecord(const CComponent& record)
{
    std::unique_ptr<CComponent> copy = createComponentByName(record.className());
    *copy = record;
    return copy;
}

bool identicalRecords(const CComponent& a, const CComponent& b)
{
    // Bit for bit, so that a value that is not a number equals itself.
    const auto same = [](double x, double y) { return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y); };
    return std::string_view(a.className()) == b.className() && a.recordId == b.recordId &&
           a.branchIndex == b.branchIndex && a.arrowDirection == b.arrowDirection && a.datumMark == b.datumMark &&
           same(a.current, b.current) && same(a.pd, b.pd) && same(a.startVoltage, b.startVoltage) &&
           same(a.finishVoltage, b.finishVoltage) && a.startNode == b.startNode && a.finishNode == b.finishNode &&
           a.colour == b.colour && a.startPoint == b.startPoint && a.finishPoint == b.finishPoint &&
           a.hitRect == b.hitRect && a.name == b.name && a.label == b.label && same(a.value, b.value) &&
           a.displayState == b.displayState && a.orientation == b.orientation && a.connectorFlag == b.connectorFlag &&
           a.resistorStyle == b.resistorStyle && a.kindCode == b.kindCode && a.position == b.position &&
           a.gridPosition == b.gridPosition && a.gridStart == b.gridStart && a.gridFinish == b.gridFinish;
}

std::unique_ptr<CComponent> createComponentByName(std::string_view className)
{
    using Factory = std::function<std::unique_ptr<CComponent>()>;
    static const std::map<std::string_view, Factory> factories = {
        {"CComponent", [] { return std::make_unique<CComponent>(); }},
        {"CResistor", [] { return std::make_unique<CResistor>(); }},
        {"CVoltageSource", [] { return std::make_unique<CVoltageSource>(); }},
        {"CCurrentSource", [] { return std::make_unique<CCurrentSource>(); }},
        {"CVoltmeter", [] { return std::make_unique<CVoltmeter>(); }},
        {"CAmmeter", [] { return std::make_unique<CAmmeter>(); }},
        {"CNode", [] { return std::make_unique<CNode>(); }},
        {"CWire", [] { return std::make_unique<CWire>(); }},
    };
    const auto found = factories.find(className);
    return found == factories.end() ? nullptr : found->second();
}

}  // namespace kirvolt
