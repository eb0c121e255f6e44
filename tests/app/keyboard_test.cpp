#include <QMenu>
#include <QTest>

#include "app/property_view.h"
#include "app_fixture.h"
#include "circuit_pointer.h"
#include "editing/command_ids.h"
#include "support/sample_circuits.h"
#include "view/circuit_view.h"

namespace kirvolt::testing {
namespace {

using Keyboard = AppFixture;

TEST_F(Keyboard, FiveRunsTheNodeVoltageMethodShownBesideItsMenuItem)
{
    EXPECT_EQ(action(ID_ANALYSE_NODE_VOLTAGE).shortcut(), QKeySequence(Qt::Key_F5));
    buildVoltageDivider(activeDoc());
    activeDoc().UpdateAllViews();
    ASSERT_FALSE(activeDoc().resultsAreCurrent());

    QTest::keyClick(activeFrame().propertyView(), Qt::Key_F5);
    EXPECT_TRUE(activeDoc().resultsAreCurrent());
    EXPECT_EQ(activeDoc().mode, nodeEquationMode);
}

// Escape works from either pane: focus starts on the results pane, and the pointer only
// hovers over the schematic while something is placed.
TEST_F(Keyboard, EscapeLeavesPlacingWireAndJointModesForSelect)
{
    CKirvoltView& view = *activeFrame().circuitView();
    const CircuitPointer hand(view);
    struct Case {
        int command;
        bool focusOnView;
    };
    for (const Case c : {Case{ID_DRAW_RESISTOR, false}, Case{ID_DRAW_VOLTAGE_SOURCE, true},
                         Case{ID_DRAW_CURRENT_SOURCE, false}, Case{ID_DRAW_WIRE, true}, Case{ID_DRAW_JOINT, false}}) {
        trigger(c.command);
        hand.moveTo(hand.grid(10, 10));
        if (c.command == ID_DRAW_WIRE) {
            hand.press(hand.grid(10, 10));
            hand.moveTo(hand.grid(16, 10));
            ASSERT_TRUE(view.editor().wireInProgress());
        }
        QWidget* focus = c.focusOnView ? static_cast<QWidget*>(&view) : activeFrame().propertyView();
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_EQ(activeDoc().mode, MODE_SELECT) << c.command;
        EXPECT_TRUE(action(ID_DRAW_SELECT).isChecked()) << c.command;
        EXPECT_EQ(view.editor().preview(), nullptr) << c.command;
        EXPECT_FALSE(view.editor().wireInProgress()) << c.command;
        if (c.command == ID_DRAW_WIRE) {
            hand.release(hand.grid(16, 10));
        }
        EXPECT_TRUE(activeDoc().components.empty()) << c.command;
    }

    trigger(ID_EDIT_DELETE);
    QTest::keyClick(activeFrame().propertyView(), Qt::Key_Escape);
    EXPECT_EQ(activeDoc().mode, MODE_DELETE);
}

}  // namespace
}  // namespace kirvolt::testing
