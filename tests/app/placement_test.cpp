#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "app/property_view.h"
#include "app_fixture.h"
#include "circuit_pointer.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "support/circuit_builder.h"
#include "view/circuit_view.h"

namespace kirvolt::testing {
namespace {

struct PlacementCase {
    const char* name;
    int screen;
    int command;  // what puts the circuit in the mode whose click opens the dialog
    QPoint node;  // where the clicked node stands, from the screen's corner
};

void PrintTo(const PlacementCase& c, std::ostream* out) { *out << c.name; }

class DialogPlacement : public AppFixture, public ::testing::WithParamInterface<PlacementCase> {
protected:
    // A 12 V divider whose middle node stands at the grid point nearest to the screen point.
    Point drawDividerAt(QPoint onScreen)
    {
        CKirvoltView& view = *activeFrame().circuitView();
        const int c = activeDoc().gridSize;
        const QPoint logical = view.viewport()->mapFromGlobal(onScreen) + view.scrollOffset();
        const int x = (logical.x() + c / 2) / c;
        const int y = (logical.y() + c / 2) / c;
        CircuitBuilder build(activeDoc());
        build.resistor(x - 3, y, ORIENT_EAST, 4700);
        build.resistor(x, y + 3, ORIENT_SOUTH, 2200);
        build.voltageSource(x - 6, y + 3, ORIENT_NORTH, 12);
        build.wire(x - 6, y + 6, x, y + 6);
        return {x, y};
    }
};

// Wherever the dialog comes up, the node it explains (and here the whole small drawing) stays
// in view, and the dialog stays on the screen.
TEST_P(DialogPlacement, TheDialogStandsClearOfTheNodeItExplains)
{
    QScreen* screen = QGuiApplication::screens().value(GetParam().screen);
    ASSERT_NE(screen, nullptr);
    frame().windowHandle()->setScreen(screen);
    frame().setGeometry(screen->availableGeometry());
    settle();
    const Point node = drawDividerAt(screen->geometry().topLeft() + GetParam().node);
    CKirvoltView& view = *activeFrame().circuitView();
    QTest::keyClick(activeFrame().propertyView(), Qt::Key_F5);
    ASSERT_TRUE(activeDoc().resultsAreCurrent());
    if (GetParam().command != ID_ANALYSE_NODE_VOLTAGE) {
        trigger(GetParam().command);
    }

    ModalAnswerer answerer;
    int dialogs = 0;
    answerer.onDialog = [&](QDialog* dialog) {
        ++dialogs;
        const QRect placed = dialog->frameGeometry();
        EXPECT_TRUE(screen->availableGeometry().contains(placed)) << GetParam().name;
        const Highlight* marked = view.highlight();
        ASSERT_NE(marked, nullptr);
        const int c = activeDoc().gridSize;
        int seen = 0;
        int marks = 0;
        // The divider is small: there is room for the dialog beside all of it, not only its node.
        for (const auto& record : activeDoc().components) {
            marks += marked->isRed(*record) ? 1 : 0;
            if (record->kindCode == KIND_JOINT || record->kindCode == KIND_WIRE) {
                for (Point end : {record->startPoint, record->finishPoint}) {
                    const QPoint at = view.viewport()->mapToGlobal(QPoint(end.x, end.y) - view.scrollOffset());
                    EXPECT_FALSE(placed.intersects(QRect(at - QPoint(c / 2, c / 2), QSize(c, c))))
                        << GetParam().name << ": " << end.x << "," << end.y;
                    ++seen;
                }
            }
        }
        EXPECT_GT(marks, 0);
        EXPECT_GT(seen, 8);
        dialog->accept();
    };
    const CircuitPointer hand(view);
    hand.click(hand.grid(node.x, node.y));
    settle();
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join(u'\n').toStdString();
}

// The tutor's windows stand at the top right of the screen, where this divider is drawn: the
// first of them keeps clear of every joint and wire of the drawing.
TEST_P(DialogPlacement, TheTutorStandsBesideTheDrawing)
{
    QScreen* screen = QGuiApplication::screens().value(GetParam().screen);
    ASSERT_NE(screen, nullptr);
    frame().windowHandle()->setScreen(screen);
    frame().setGeometry(screen->availableGeometry());
    settle();
    drawDividerAt(screen->geometry().topLeft() + QPoint(screen->geometry().width() - 250, 200));
    CKirvoltView& view = *activeFrame().circuitView();
    ModalAnswerer answerer;
    int dialogs = 0;
    answerer.onDialog = [&](QDialog* dialog) {
        ++dialogs;
        const QRect placed = dialog->frameGeometry();
        EXPECT_TRUE(screen->availableGeometry().contains(placed));
        for (const auto& record : activeDoc().components) {
            if (record->kindCode == KIND_JOINT || record->kindCode == KIND_WIRE) {
                const QPoint at = view.viewport()->mapToGlobal(QPoint(record->startPoint.x, record->startPoint.y) -
                                                               view.scrollOffset());
                EXPECT_FALSE(placed.contains(at)) << GetParam().name;
            }
        }
        dialog->reject();
    };
    trigger(ID_TUTOR_NODAL);
    settle();
    EXPECT_EQ(dialogs, 1);
}

// The node equation dialog's own place is the left of the screen 500 pixels down, and the
// equation check's the middle of the window: each node stands where its dialog would be.
INSTANTIATE_TEST_SUITE_P(
    Screens, DialogPlacement,
    ::testing::Values(PlacementCase{"NodeEquationsSmall", 0, ID_ANALYSE_NODE_VOLTAGE, {300, 540}},
                      PlacementCase{"NodeEquationsWide", 1, ID_ANALYSE_NODE_VOLTAGE, {300, 540}},
                      PlacementCase{"CheckEquationSmall", 0, ID_TUTOR_CHECK_EQUATION, {512, 384}},
                      PlacementCase{"CheckEquationWide", 1, ID_TUTOR_CHECK_EQUATION, {960, 540}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kirvolt::testing
