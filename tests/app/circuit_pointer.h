#pragma once

#include <QPoint>

#include "document/geometry.h"

namespace kirvolt {
class CKirvoltView;
}

namespace kirvolt::testing {

// Works a circuit view with simulated mouse events at logical points (the view's scroll
// offset taken off), as a user's hand would.
class CircuitPointer {
public:
    explicit CircuitPointer(CKirvoltView& view) : view(view) {}

    // The logical point of grid point (x, y) at the document's current grid size.
    Point grid(int x, int y) const;

    void moveTo(Point logical) const;
    void click(Point logical) const;
    void rightClick(Point logical) const;
    void drag(Point from, Point to) const;
    void press(Point logical) const;
    void release(Point logical) const;

private:
    QPoint client(Point logical) const;

    CKirvoltView& view;
};

}  // namespace kirvolt::testing
