#include "circuit_pointer.h"

#include <QTest>

#include "view/circuit_view.h"

namespace kirvolt::testing {

Point CircuitPointer::grid(int x, int y) const
{
    const int c = view.document().gridSize;
    return {x * c, y * c};
}

QPoint CircuitPointer::client(Point logical) const
{
    return QPoint(logical.x, logical.y) - view.scrollOffset();
}

void CircuitPointer::moveTo(Point logical) const
{
    QTest::mouseMove(view.viewport(), client(logical));
}

void CircuitPointer::click(Point logical) const
{
    moveTo(logical);
    press(logical);
    release(logical);
}

void CircuitPointer::rightClick(Point logical) const
{
    moveTo(logical);
    QTest::mouseClick(view.viewport(), Qt::RightButton, Qt::NoModifier, client(logical));
}

void CircuitPointer::drag(Point from, Point to) const
{
    moveTo(from);
    press(from);
    moveTo(to);
    release(to);
}

void CircuitPointer::press(Point logical) const
{
    QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::NoModifier, client(logical));
}

void CircuitPointer::release(Point logical) const
{
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::NoModifier, client(logical));
}

}  // namespace kirvolt::testing
