#include <QAccessible>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>

#include <map>

#include "app/app_command_ids.h"
#include "app_fixture.h"
#include "circuit_pointer.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "view/circuit_view.h"
#include "view/dialogs/edit_component_dialog.h"

namespace kirvolt::testing {
namespace {

using KeysAlone = AppFixture;

// The divider of the first lesson: 12 V over 10 ohm and 20 ohm, in grid steps.
struct Part {
    Qt::Key key;
    int command;
    Point at;
    int turns;  // right-clicks, or Ctrl+R, before it is put down
    const char* name;
    const char* value;
};
const Part PARTS[] = {
    {Qt::Key_E, ID_DRAW_VOLTAGE_SOURCE, {5, 8}, 1, "E1", "12"},
    {Qt::Key_R, ID_DRAW_RESISTOR, {10, 5}, 3, "R1", "10"},
    {Qt::Key_R, ID_DRAW_RESISTOR, {16, 8}, 3, "R2", "20"},
};
const std::pair<Point, Point> WIRES[] = {{{5, 5}, {7, 5}}, {{13, 5}, {16, 5}}, {{16, 11}, {5, 11}}};

// Types each part's value into its dialog, and the file's name into the file dialog.
void answerByKeys(ModalAnswerer& answerer, const QString& path)
{
    answerer.onDialog = [path](QDialog* dialog) {
        if (auto* edit = qobject_cast<EditComponentDialog*>(dialog)) {
            const QString name = edit->nameBox()->text();
            const QString value = name == "E1" ? "12" : name == "R1" ? "10" : "20";
            QTest::keyClick(edit->valueBox(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(edit->valueBox(), value);
            QTest::keyClick(edit->valueBox(), Qt::Key_Return);
            if (edit->isVisible()) {
                ADD_FAILURE() << "the value dialog stayed up for " << name.toStdString();
                edit->reject();
            }
        } else if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            // The completer's list would take the Return.
            name->setCompleter(nullptr);
            name->clear();
            QTest::keyClicks(name, path);
            QTest::keyClick(name, Qt::Key_Return);
            // Qt's own file dialog on the offscreen platform may keep the Return for its list.
            if (files->isVisible()) {
                static_cast<QDialog*>(files)->accept();
            }
        } else {
            dialog->reject();
        }
    };
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class KeyHand {
public:
    explicit KeyHand(CKirvoltView& view) : view(view) {}
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier) const
    {
        QTest::keyClick(&view, static_cast<Qt::Key>(k), mods);
    }
    // The arrows, five steps at a time with Shift while the way is long.
    void goTo(Point grid) const
    {
        for (;;) {
            const Point now = view.keys().cursorGrid();
            const int dx = grid.x - now.x;
            const int dy = grid.y - now.y;
            if (dx == 0 && dy == 0) {
                return;
            }
            const bool longWay = std::abs(dx) >= 5 || (dx == 0 && std::abs(dy) >= 5);
            const Qt::Key arrow = dx > 0 ? Qt::Key_Right : dx < 0 ? Qt::Key_Left : dy > 0 ? Qt::Key_Down : Qt::Key_Up;
            key(arrow, longWay ? Qt::ShiftModifier : Qt::NoModifier);
        }
    }
    // Tab until the screen reader names the element.
    void tabTo(const QString& name) const
    {
        for (int i = 0; i < 30; ++i) {
            key(Qt::Key_Tab);
            const CComponent* focused = view.keys().focused();
            if (focused != nullptr && QString::fromStdString(focused->label) == name) {
                return;
            }
        }
        FAIL() << "Tab never reached " << name.toStdString();
    }

private:
    CKirvoltView& view;
};

void chooseButton(const CMainFrame& frame, QAction& command)
{
    QWidget* button = frame.mainToolBar()->widgetForAction(&command);
    if (button == nullptr) {
        button = frame.commandToolBar()->widgetForAction(&command);
    }
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

TEST_F(KeysAlone, TheDividerDrawnWiredEditedAnalysedAndSavedByKeysIsTheOneThePointerMakes)
{
    for (const auto& [id, key] : std::map<int, QString>{{ID_DRAW_RESISTOR, "R"}, {ID_DRAW_VOLTAGE_SOURCE, "E"},
                                                        {ID_DRAW_CURRENT_SOURCE, "J"}, {ID_DRAW_AMMETER, "A"},
                                                        {ID_DRAW_VOLTMETER, "V"}, {ID_DRAW_WIRE, "W"},
                                                        {ID_EDIT_ROTATE, "Ctrl+R"}}) {
        EXPECT_EQ(action(id).shortcut().toString(QKeySequence::PortableText), key) << id;
    }
    const QString byPointer = tempPath("pointer.kvt");
    const QString byKeys = tempPath("keys.kvt");
    {
        CKirvoltView& view = *activeFrame().circuitView();
        const CircuitPointer hand(view);
        for (const Part& part : PARTS) {
            chooseButton(frame(), action(part.command));
            for (int i = 0; i < part.turns; ++i) {
                hand.rightClick(hand.grid(part.at.x, part.at.y));
            }
            hand.click(hand.grid(part.at.x, part.at.y));
        }
        chooseButton(frame(), action(ID_DRAW_WIRE));
        for (const auto& [from, to] : WIRES) {
            hand.drag(hand.grid(from.x, from.y), hand.grid(to.x, to.y));
        }
        ModalAnswerer answerer;
        answerByKeys(answerer, byPointer);
        chooseButton(frame(), action(ID_EDIT_VALUE));
        for (const Part& part : PARTS) {
            hand.click(hand.grid(part.at.x, part.at.y));
        }
        action(ID_ANALYSE_NODE_VOLTAGE).trigger();
        action(ID_FILE_SAVE).trigger();
        settle();
    }
    trigger(ID_FILE_NEW);
    CKirvoltView& view = *activeFrame().circuitView();
    frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    view.setFocus();
    const KeyHand keys(view);
    for (const Part& part : PARTS) {
        keys.key(part.key);
        for (int i = 0; i < part.turns; ++i) {
            keys.key(Qt::Key_R, Qt::ControlModifier);
        }
        keys.goTo(part.at);
        keys.key(Qt::Key_Return);
    }
    keys.key(Qt::Key_W);
    for (const auto& [from, to] : WIRES) {
        keys.goTo(from);
        keys.key(Qt::Key_Return);
        keys.goTo(to);
        keys.key(Qt::Key_Return);
    }
    keys.key(Qt::Key_Escape);
    ASSERT_EQ(activeDoc().mode, MODE_SELECT);
    ASSERT_EQ(activeDoc().components.size(), 18U) << view.keys().cursorGrid().x << "," << view.keys().cursorGrid().y;
    ModalAnswerer answerer;
    answerByKeys(answerer, byKeys);
    for (const Part& part : PARTS) {
        keys.tabTo(QString::fromLatin1(part.name));
        keys.key(Qt::Key_Return);
    }
    // The offscreen platform gives the main window back its activation only when asked.
    frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    keys.key(Qt::Key_F5);
    ASSERT_TRUE(activeDoc().resultsAreCurrent()) << answerer.texts.join(QLatin1Char('|')).toStdString();
    keys.key(Qt::Key_S, Qt::ControlModifier);
    settle();
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('|').toStdString();

    const QByteArray drawn = fileBytes(byPointer);
    EXPECT_GT(drawn.size(), 1000);
    EXPECT_EQ(fileBytes(byKeys), drawn);
    // The screen reader hears the resistor the keys rest on with its numbers.
    keys.tabTo(QStringLiteral("R1"));
    QAccessibleInterface* drawing = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(drawing, nullptr);
    ASSERT_NE(drawing->focusChild(), nullptr);
    EXPECT_EQ(drawing->focusChild()->text(QAccessible::Description).toStdString(),
              "R1, 10 ohm resistor, from node 1 to node 2, p.d. 4 volt, current 400 milliampere");
    EXPECT_TRUE(drawing->text(QAccessible::Name).startsWith(QStringLiteral("Circuit drawing, cursor at 10, 5: R1")));
}

}  // namespace
}  // namespace kirvolt::testing
