#pragma once

#include <cstdint>
#include <memory>

#include "document/circuit_document.h"

namespace kirvolt::testing {

// The one builder of circuits for tests and benchmarks: elements at grid points facing an
// orientation, wires between grid points, all in the document's grid and resistor style.
// Each call appends to the document and returns the new record; name counters advance as
// placing with the pointer would advance them, and a source carries its value as a placed and
// edited source does.
class CircuitBuilder {
public:
    explicit CircuitBuilder(CKirvoltDoc& doc) : doc(doc) {}

    // Any kind with two terminals (resistor, sources, meters) centred at a grid point.
    CComponent& element(int kind, Point at, int orientation, double value);
    CComponent& resistor(int x, int y, int orientation, double ohms);
    CComponent& voltageSource(int x, int y, int orientation, double volts);
    CComponent& currentSource(int x, int y, int orientation, double amperes);
    CComponent& wire(Point from, Point to, std::uint16_t kind = KIND_WIRE);
    CComponent& wire(int x1, int y1, int x2, int y2);
    CComponent& joint(int x, int y);

    // An element of the kind standing between two grid points on one line, six steps or more
    // apart, and wired to both: the start terminal towards a.
    CComponent& between(int kind, Point a, Point b, double value);
    // An element at a grid point, its start terminal wired to one point and its finish to another.
    CComponent& wiredTo(int kind, Point at, Point start, Point finish, double value);

private:
    Point logical(Point grid) const { return toLogical(grid, doc.gridSize); }

    CKirvoltDoc& doc;
};

// Moves every record of the circuit the given number of grid steps to the right.
void shiftRight(CKirvoltDoc& doc, int steps);

}  // namespace kirvolt::testing
