#pragma once

#include <memory>

#include "document/circuit_document.h"

namespace kirvolt::testing {

// Builds circuits in grid coordinates for tests: a component at grid point (x, y) facing an
// orientation, wires between grid points. Each call appends to the document and returns
// the new record; name counters advance as placing with the pointer would advance them.
class CircuitBuilder {
public:
    explicit CircuitBuilder(CKirvoltDoc& doc) : doc(doc) {}

    CComponent& resistor(int x, int y, int orientation, double ohms);
    CComponent& voltageSource(int x, int y, int orientation, double volts);
    CComponent& currentSource(int x, int y, int orientation, double amperes);
    CComponent& wire(int x1, int y1, int x2, int y2);
    CComponent& joint(int x, int y);

private:
    CComponent& place(std::unique_ptr<CComponent> record, double value);
    Point logical(int x, int y) const;

    CKirvoltDoc& doc;
};

}  // namespace kirvolt::testing
