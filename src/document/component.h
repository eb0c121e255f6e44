#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "document/codes.h"
#include "document/geometry.h"

namespace kirvolt {

class Archive;

// One element of a circuit. Every kind shares this record shape; it carries what the user
// drew, the node numbers found by the topology pass and the results the solver writes back.
// Constructors take all they need: the grid step and the resistor style in force. An element
// placed again by a move takes its name and value from the move afterwards (takeMovedIdentity).
class CComponent {
public:
    CComponent() = default;
    virtual ~CComponent() = default;
    CComponent(const CComponent&) = default;
    CComponent& operator=(const CComponent&) = default;

    // The class name written into circuit files ("CResistor", ...).
    virtual const char* className() const { return "CComponent"; }

    // Reads or writes the stored fields in file order.
    void Persist(Archive& archive);

    // The value, and with it a source's own quantity: a current source drives its value as its
    // current, a voltage source has its EMF as its p.d.
    void setValue(double newValue);

    // A moved element keeps its name and value; its label becomes the name again.
    void takeMovedIdentity(const std::string& movedName, double movedValue);

    // Every grid point moved by the offset in grid steps; the logical points and the hit
    // rectangle of a component or joint follow at grid step g.
    void shiftBy(Point gridOffset, int gridSize);
    // A wire's ends at grid points, its logical points and its corner following.
    void setWireEnds(Point gridStartPoint, Point gridFinishPoint, int gridSize);

    // Terminal points from position, orientation and kind, then their grid coordinates.
    void deriveTerminals(int gridSize);
    void deriveHitRect(int gridSize);

    // Which record this is within its document, kept by copies, so that a change can find it
    // again after being undone and redone. Not stored in files; 0 until the document numbers it.
    std::uint64_t recordId = 0;

    // Fields in declaration order; branchIndex is the only one not stored in files.
    std::int32_t branchIndex = 0;
    std::int32_t arrowDirection = 0;
    std::int32_t datumMark = 0;
    double current = 0.0;
    double pd = 0.0;
    double startVoltage = 0.0;
    double finishVoltage = 0.0;
    std::int32_t startNode = 0;
    std::int32_t finishNode = 0;
    Colour colour = 0;
    Point startPoint;
    Point finishPoint;
    Rect hitRect;
    std::string name;
    std::string label;
    double value = 0.0;
    std::int32_t displayState = 0;
    std::int32_t orientation = 0;
    std::int32_t connectorFlag = 0;
    std::int32_t resistorStyle = 0;
    std::uint16_t kindCode = 0;
    Point position;
    Point gridPosition;
    Point gridStart;
    Point gridFinish;

protected:
    // Shared construction of resistors, sources and meters.
    void constructTwoTerminal(std::string_view prefix, int number, Point at, int orient, Colour col,
                              int state, std::uint16_t kind, int gridSize, int style);
};

class CResistor : public CComponent {
public:
    CResistor() = default;
    CResistor(int number, Point position, int orientation, Colour colour, int displayState, int gridSize, int resistorStyle);
    const char* className() const override { return "CResistor"; }
};

class CVoltageSource : public CComponent {
public:
    CVoltageSource() = default;
    CVoltageSource(int number, Point position, int orientation, Colour colour, int displayState,
                   int gridSize, int resistorStyle);
    const char* className() const override { return "CVoltageSource"; }
};

class CCurrentSource : public CComponent {
public:
    CCurrentSource() = default;
    CCurrentSource(int number, Point position, int orientation, Colour colour, int displayState,
                   int gridSize, int resistorStyle);
    const char* className() const override { return "CCurrentSource"; }
};

class CVoltmeter : public CComponent {
public:
    CVoltmeter() = default;
    CVoltmeter(int number, Point position, int orientation, Colour colour, int displayState, int gridSize, int resistorStyle);
    const char* className() const override { return "CVoltmeter"; }
};

class CAmmeter : public CComponent {
public:
    CAmmeter() = default;
    CAmmeter(int number, Point position, int orientation, Colour colour, int displayState, int gridSize, int resistorStyle);
    const char* className() const override { return "CAmmeter"; }
};

// A joint: the node dot where wires and terminals meet.
class CNode : public CComponent {
public:
    CNode() = default;
    CNode(Point position, int nodeNumber, int displayState, int gridSize, int resistorStyle);
    const char* className() const override { return "CNode"; }
};

class CWire : public CComponent {
public:
    CWire() = default;
    CWire(int number, Point start, Point finish, Colour colour, std::uint16_t kindCode, int gridSize,
          int resistorStyle);
    const char* className() const override { return "CWire"; }
};

// The largest grid coordinate a record may hold: twenty times the side of the drawing area at
// its finest grid (500 steps at 50%). Editing stays inside it (a point snaps to at most 65535
// logical units, 6553 steps at 50%), and multiplied by the largest grid step (100) it gives a
// logical point of at most a million.
inline constexpr std::int32_t MAX_GRID_COORDINATE = 10'000;
// The largest logical coordinate: room for every grid point at every zoom with its hit
// rectangle, and, a few grid steps wider for a symbol, still far inside 32 bits.
inline constexpr std::int32_t MAX_COORDINATE = 2'000'000;
// The largest grid step: 500% zoom.
inline constexpr std::int32_t MAX_GRID_SIZE = 100;

// Whether the record's logical points and hit rectangle lie within MAX_COORDINATE and its
// grid points within MAX_GRID_COORDINATE; the hit rectangle may reach a grid step further.
bool liesWithinReach(const CComponent& record);

// An empty record of the named class, as the file reader needs it; null for an unknown name.
std::unique_ptr<CComponent> createComponentByName(std::string_view className);

// A copy of the record, of its own class, keeping its record id.
std::unique_ptr<CComponent> cloneRecord(const CComponent& record);

// Whether two records hold the same in every field, to the bit.
bool identicalRecords(const CComponent& a, const CComponent& b);

// Grid coordinates from logical ones: division truncating toward zero.
Point toGrid(Point logical, int gridSize);

// Logical coordinates of a grid point. Records keep their grid points within
// MAX_GRID_COORDINATE and the grid step is at most 100, so the product is at most a million.
Point toLogical(Point grid, int gridSize);

}  // namespace kirvolt
