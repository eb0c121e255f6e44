#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

#include "analysis/electrical_rule_check.h"
#include "analysis/nodal_solver.h"
#include "app/clipboard_transfer.h"
#include "app/erc_panel.h"
#include "app_fixture.h"
#include "circuit_pointer.h"
#include "document/circuit_file.h"
#include "document/hit_test.h"
#include "editing/command_ids.h"
#include "app/app_command_ids.h"
#include "modal_answerer.h"
#include "support/circuit_builder.h"
#include "support/sample_circuits.h"
#include "view/circuit_view.h"
#include "view/dialogs/edit_component_dialog.h"
#include "view/dialogs/edit_node_name_dialog.h"

namespace kirvolt::testing {
namespace {

// E1 (10 V, positive end up) at (4,10) and R1 (5 ohm) at (12,12), both upright, joined by
// two wires that each turn a corner, or by four straight wires through the same corners.
void buildSourceAndLoad(CKirvoltDoc& doc)
{
    CircuitBuilder build(doc);
    build.voltageSource(4, 10, ORIENT_NORTH, 10);
    build.resistor(12, 12, ORIENT_NORTH, 5);
}

class DrawingCommands : public AppFixture {
protected:
    CKirvoltView& view() const { return *activeFrame().circuitView(); }
    CircuitPointer hand() const { return CircuitPointer(view()); }

    // The entries of the context menu that a right-click at the point opens, after choosing
    // the one with the given text (none: the menu is closed).
    QStringList rightClickChoosing(Point at, const QString& choice)
    {
        QStringList entries;
        answerMenu = [this, &entries, choice] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                QTimer::singleShot(5, answerMenu);
                return;
            }
            for (QAction* action : menu->actions()) {
                entries.append(action->isSeparator() ? QStringLiteral("|") : action->text());
                if (action->text() == choice) {
                    menu->setActiveAction(action);
                }
            }
            if (choice.isEmpty()) {
                menu->close();
            } else {
                QTest::keyClick(menu, Qt::Key_Return);
            }
        };
        QTimer::singleShot(5, answerMenu);
        hand().rightClick(at);
        return entries;
    }

    std::function<void()> answerMenu;
};

TEST_F(DrawingCommands, TurningWiresShowTheirCornerFlipWithSpaceAndAnalyseAsStraightWires)
{
    buildSourceAndLoad(activeDoc());
    activeDoc().UpdateAllViews();
    const CircuitPointer pointer = hand();
    trigger(ID_DRAW_TURNING_WIRE);
    pointer.press(pointer.grid(4, 7));
    pointer.moveTo(pointer.grid(12, 9));
    EXPECT_EQ(view().editor().wireCorner(), pointer.grid(12, 7));
    pointer.release(pointer.grid(12, 9));

    trigger(ID_DRAW_TURNING_WIRE);
    pointer.press(pointer.grid(4, 13));
    pointer.moveTo(pointer.grid(12, 15));
    EXPECT_EQ(view().editor().wireCorner(), pointer.grid(12, 13));
    QTest::keyClick(&view(), Qt::Key_Space);
    EXPECT_EQ(view().editor().wireCorner(), pointer.grid(4, 15));
    EXPECT_TRUE(action(ID_DRAW_TURNED_WIRE).isChecked());
    EXPECT_FALSE(action(ID_DRAW_TURNING_WIRE).isChecked());
    pointer.release(pointer.grid(12, 15));

    CKirvoltDoc& drawn = activeDoc();
    ASSERT_EQ(drawn.components.size(), 8U);  // two elements, then each wire and its two joints
    EXPECT_EQ(drawn.components[2]->kindCode, KIND_WIRE_TURN_HV);
    EXPECT_EQ(drawn.components[2]->gridPosition, (Point{12, 7}));
    EXPECT_EQ(drawn.components[5]->kindCode, KIND_WIRE_TURN_VH);
    EXPECT_EQ(drawn.components[5]->gridPosition, (Point{4, 15}));

    const std::string path = tempPath(QStringLiteral("turning.kvt")).toStdString();
    ASSERT_TRUE(saveCircuit(drawn, path).ok);
    CKirvoltDoc reloaded;
    ASSERT_TRUE(loadCircuit(path, reloaded).ok);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    EXPECT_EQ(circuitBytes(reloaded), std::vector<std::uint8_t>(stored.begin(), stored.end()));

    trigger(ID_COMPUTE);
    ASSERT_TRUE(drawn.resultsAreCurrent());
    CKirvoltDoc straight;
    buildSourceAndLoad(straight);
    CircuitBuilder build(straight);
    build.wire(4, 7, 12, 7);
    build.wire(12, 7, 12, 9);
    build.wire(4, 13, 4, 15);
    build.wire(4, 15, 12, 15);
    ASSERT_TRUE(runNodalAnalysis(straight));
    EXPECT_EQ(drawn.nodeCount, straight.nodeCount);
    for (std::size_t i = 0; i < 2; ++i) {
        const CComponent& a = *drawn.components[i];
        const CComponent& b = *straight.components[i];
        EXPECT_DOUBLE_EQ(a.current, b.current) << a.name;
        EXPECT_DOUBLE_EQ(a.startVoltage, b.startVoltage) << a.name;
        EXPECT_DOUBLE_EQ(a.finishVoltage, b.finishVoltage) << a.name;
    }
    EXPECT_DOUBLE_EQ(drawn.components[1]->current, 2.0);
}

// A straight wire that ran into a terminal turns a corner when its element is dragged off the
// line, and runs straight again when the element comes back.
TEST_F(DrawingCommands, AWireKeepsItsRightAnglesWhenItsElementIsDragged)
{
    CircuitBuilder build(activeDoc());
    build.resistor(10, 10, ORIENT_EAST, 1);
    const CComponent& wire = build.wire(13, 10, 20, 10);
    activeDoc().UpdateAllViews();
    const CircuitPointer pointer = hand();
    trigger(ID_DRAW_SELECT);
    pointer.press(pointer.grid(10, 10));
    pointer.moveTo(pointer.grid(10, 7));
    EXPECT_EQ(wire.kindCode, KIND_WIRE_TURN_HV);
    EXPECT_EQ(wire.gridPosition, (Point{20, 7}));  // level with the terminal, above the end that stayed
    pointer.moveTo(pointer.grid(12, 10));
    EXPECT_EQ(wire.kindCode, KIND_WIRE);
    pointer.release(pointer.grid(12, 10));
    EXPECT_EQ(wire.gridStart, (Point{15, 10}));
}

TEST_F(DrawingCommands, ADoubleClickEditsTheValue)
{
    buildSourceAndLoad(activeDoc());
    activeDoc().UpdateAllViews();
    trigger(ID_DRAW_SELECT);
    ModalAnswerer answerer;
    answerer.onDialog = [](QDialog* dialog) {
        auto* edit = qobject_cast<EditComponentDialog*>(dialog);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->nameBox()->text(), QStringLiteral("R1"));
        edit->valueBox()->selectAll();
        QTest::keyClicks(edit->valueBox(), QStringLiteral("47"));
        edit->accept();
    };
    const QPoint at = QPoint(240, 240) - view().scrollOffset();
    QTest::mouseDClick(view().viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_DOUBLE_EQ(activeDoc().components[1]->value, 47.0);
    EXPECT_EQ(activeFrame().circuit().undoStack().undoText(), QStringLiteral("Edit R1"));
}

// Each command of the context menu, and its twin in the menus and modes, on two copies of one
// analysed circuit: both leave the same bytes and the same undo step. E1 stands at (2,10), R1
// at (8,10), both upright and wired across the top; R2 joins their feet at (2,13) and (8,13).
TEST_F(DrawingCommands, TheContextMenusCommandsDoWhatTheirTwinsDo)
{
    CircuitBuilder build(activeDoc());
    build.voltageSource(2, 10, ORIENT_NORTH, 10);
    build.resistor(8, 10, ORIENT_NORTH, 5);
    build.resistor(5, 13, ORIENT_EAST, 5);
    build.wire(2, 7, 8, 7);
    trigger(ID_ANALYSE_NODE_VOLTAGE);
    const std::string analysed = tempPath(QStringLiteral("analysed.kvt")).toStdString();
    ASSERT_TRUE(saveCircuit(activeDoc(), analysed).ok);

    const Point r1{160, 200};
    const Point joint{40, 260};  // no wire ends there, so no wire keeps the box of a hit
    const auto click = [this](int mode, Point at) {
        trigger(mode);
        hand().click(at);
    };
    const auto selectAndRun = [this](Point at, std::vector<int> commands) {
        trigger(ID_DRAW_SELECT);
        hand().click(at);
        for (const int id : commands) {
            trigger(id);
        }
    };
    const struct Case {
        Point at;
        QString entry;
        std::function<void()> twin;
    } cases[] = {
        {r1, "Edit &Value...", [&] { click(ID_EDIT_VALUE, r1); }},
        {r1, "&Name...", [&] { click(ID_EDIT_VALUE, r1); }},
        {r1, "&Rotate", [&] { selectAndRun(r1, {ID_EDIT_ROTATE}); }},
        {r1, "&Mirror", [&] { selectAndRun(r1, {ID_EDIT_MIRROR}); }},
        {r1, "&Delete", [&] { selectAndRun(r1, {ID_EDIT_CLEAR}); }},
        {joint, "Node &Name...", [&] { click(ID_EDIT_VALUE, joint); }},
        {joint, "Set as &Datum Node", [&] { click(ID_NODES_DATUM, joint); }},
    };
    ModalAnswerer answerer;
    answerer.onDialog = [](QDialog* dialog) {
        if (auto* edit = qobject_cast<EditComponentDialog*>(dialog)) {
            edit->nameBox()->selectAll();
            QTest::keyClicks(edit->nameBox(), QStringLiteral("Rload"));
            edit->valueBox()->selectAll();
            QTest::keyClicks(edit->valueBox(), QStringLiteral("47"));
            edit->accept();
        } else if (auto* node = qobject_cast<EditNodeNameDialog*>(dialog)) {
            node->nameBox()->selectAll();
            QTest::keyClicks(node->nameBox(), QStringLiteral("out"));
            node->accept();
        } else {
            dialog->reject();
        }
    };
    // A hit test keeps in every wire it tries the box it tried; one more after each path evens
    // out which paths tried them.
    const auto storedBytes = [this, joint] {
        HitTest(activeDoc(), joint);
        return circuitBytes(activeDoc());
    };
    int copy = 0;
    const auto openCopy = [&] {
        const QString path = tempPath(QStringLiteral("copy%1.kvt").arg(++copy));
        QFile::copy(QString::fromStdString(analysed), path);
        ASSERT_NE(app->OpenDocumentFile(path), nullptr);
    };
    for (const Case& c : cases) {
        openCopy();
        const QStringList entries = rightClickChoosing(c.at, c.entry);
        EXPECT_TRUE(entries.contains(c.entry)) << c.entry.toStdString();
        const std::vector<std::uint8_t> fromMenu = storedBytes();
        const QString stepFromMenu = activeFrame().circuit().undoStack().undoText();
        openCopy();
        c.twin();
        EXPECT_EQ(storedBytes(), fromMenu) << c.entry.toStdString();
        EXPECT_EQ(activeFrame().circuit().undoStack().undoText(), stepFromMenu) << c.entry.toStdString();
        EXPECT_FALSE(stepFromMenu.isEmpty()) << c.entry.toStdString();
    }
    openCopy();
    EXPECT_EQ(rightClickChoosing(r1, {}),
              (QStringList{"Edit &Value...", "&Name...", "|", "&Rotate", "&Mirror", "&Delete"}));
    EXPECT_EQ(rightClickChoosing(joint, {}), (QStringList{"Node &Name...", "Set as &Datum Node", "|", "&Delete"}));
}

// The old component commands copy, cut and paste exactly as the Edit menu's do.
TEST_F(DrawingCommands, TheComponentClipboardCommandsAreTheEditMenus)
{
    const std::pair<int, int> twins[] = {
        {ID_EDIT_COPY_COMPONENT, ID_EDIT_COPY},
        {ID_EDIT_CUT_COMPONENT, ID_EDIT_CUT},
        {ID_EDIT_PASTE_COMPONENT, ID_EDIT_PASTE},
    };
    buildSourceAndLoad(activeDoc());
    activeDoc().UpdateAllViews();
    trigger(ID_DRAW_SELECT);
    hand().click({240, 240});
    for (const auto& [old, edit] : twins) {
        const std::vector<std::uint8_t> before = circuitBytes(activeDoc());
        const bool pastes = edit == ID_EDIT_PASTE;  // what the cut before it left
        if (!pastes) {
            QGuiApplication::clipboard()->clear();
        }
        trigger(edit);
        const std::optional<QByteArray> copiedByEdit = circuitOnClipboard();
        const std::vector<std::uint8_t> byEdit = circuitBytes(activeDoc());
        const QString step = activeFrame().circuit().undoStack().undoText();
        EXPECT_EQ(byEdit != before, edit != ID_EDIT_COPY) << old;
        if (byEdit != before) {
            trigger(ID_EDIT_UNDO);
        }
        ASSERT_EQ(circuitBytes(activeDoc()), before) << old;
        hand().click({240, 240});
        if (!pastes) {
            QGuiApplication::clipboard()->clear();
        }
        trigger(old);
        EXPECT_EQ(circuitOnClipboard(), copiedByEdit) << old;
        EXPECT_EQ(circuitBytes(activeDoc()), byEdit) << old;
        EXPECT_EQ(activeFrame().circuit().undoStack().undoText(), step) << old;
        EXPECT_TRUE(copiedByEdit.has_value()) << old;
        if (byEdit != before) {
            trigger(ID_EDIT_UNDO);
        }
        hand().click({240, 240});
    }
    QGuiApplication::clipboard()->clear();  // the tests that follow start from an empty one
}

// The check lists the three faults of three checks; choosing one marks its element in the
// window; an edit takes the list away; a clean circuit says it is clean.
TEST_F(DrawingCommands, TheRuleCheckListsEveryFaultAndMarksTheChosenOne)
{
    buildThreeFaults(activeDoc());
    activeDoc().UpdateAllViews();
    trigger(ID_ELECTRICAL_RULE_CHECK);
    ErcPanel* panel = frame().ruleCheckPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    QListWidget* rows = panel->rows();
    ASSERT_EQ(rows->count(), 3);
    EXPECT_TRUE(rows->item(0)->text().startsWith(QStringLiteral("Current Source J1 has invalid current value.")));
    EXPECT_TRUE(rows->item(1)->text().startsWith(QStringLiteral("Resistor R1 has invalid resistance.")));
    EXPECT_EQ(rows->item(2)->text(), QStringLiteral("Node 3 is not correctly connected."));
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, Qt::NoModifier, rows->visualItemRect(rows->item(1)).center());
    ASSERT_NE(view().highlight(), nullptr);
    EXPECT_TRUE(view().highlight()->isRed(*activeDoc().components[1]));
    EXPECT_EQ(view().highlight()->redCount(), 1U);

    trigger(ID_DRAW_RESISTOR);
    hand().click(hand().grid(30, 20));
    EXPECT_EQ(rows->count(), 0);
    EXPECT_EQ(view().highlight(), nullptr);

    trigger(ID_FILE_NEW);
    buildVoltageDivider(activeDoc());
    trigger(ID_ELECTRICAL_RULE_CHECK);
    ASSERT_EQ(rows->count(), 1);
    EXPECT_EQ(rows->item(0)->text(), QString::fromUtf8(CLEAN_CIRCUIT_TEXT));
}

}  // namespace
}  // namespace kirvolt::testing
