#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include <algorithm>
#include <functional>
#include <tuple>
#include <vector>

#include "app/clipboard_transfer.h"
#include "app/app_command_ids.h"
#include "app_fixture.h"
#include "circuit_pointer.h"
#include "document/circuit_file.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "support/circuit_builder.h"
#include "view/circuit_view.h"
#include "view/dialogs/edit_component_dialog.h"

namespace kirvolt::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

class EditHistory : public AppFixture {
public:
    // What the table of edits below works with.
    using AppFixture::trigger;
    CKirvoltView& view() const { return *activeFrame().circuitView(); }
    CircuitPointer hand() const { return CircuitPointer(view()); }
    Point at(int x, int y) const { return hand().grid(x, y); }
    Bytes bytes() const { return circuitBytes(activeDoc()); }

protected:

    // The keys go to the circuit window, as a user's keyboard would send them once the main
    // window is active again (after a dialog, say).
    void press(const QKeySequence& keys) const
    {
        frame().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
        view().setFocus();
        QTest::keySequence(view().viewport(), keys);
    }

    // A 10 V source on the left, R1 = 100 across the top and R2 = 300 down the right.
    void drawDivider() const
    {
        CircuitBuilder build(activeDoc());
        build.voltageSource(2, 5, ORIENT_NORTH, 10);
        build.resistor(5, 2, ORIENT_EAST, 100);
        build.resistor(8, 5, ORIENT_SOUTH, 300);
        build.wire(2, 8, 8, 8);
    }

    // Every component's value, p.d. and current, in an order that names do not change.
    std::vector<std::tuple<int, double, double, double>> results() const
    {
        std::vector<std::tuple<int, double, double, double>> found;
        for (const auto& c : activeDoc().components) {
            if (isTwoTerminalKind(c->kindCode)) {
                found.emplace_back(c->kindCode, c->value, c->pd, c->current);
            }
        }
        std::ranges::sort(found);
        return found;
    }
};

struct EditCase {
    const char* step;  // the name Undo and Redo give it
    std::function<void(EditHistory&)> edit;
};

void PrintTo(const EditCase& edit, std::ostream* out) { *out << edit.step; }

class EveryEdit : public EditHistory, public ::testing::WithParamInterface<EditCase> {};

// After saving and one edit, Ctrl+Z gives back the saved circuit byte for byte and clears the
// modified mark; Ctrl+Y brings the edit back and the mark with it.
TEST_P(EveryEdit, CtrlZUndoesItBackToTheSavedStateAndCtrlYRedoesIt)
{
    CircuitBuilder(activeDoc()).resistor(10, 5, ORIENT_EAST, 47);
    ASSERT_TRUE(activeFrame().circuit().saveTo(tempPath(QStringLiteral("saved.kvt"))));
    const Bytes saved = bytes();
    EXPECT_FALSE(activeFrame().isWindowModified());
    EXPECT_FALSE(action(ID_EDIT_UNDO).isEnabled());

    GetParam().edit(*this);
    const Bytes edited = bytes();
    ASSERT_NE(edited, saved);
    EXPECT_TRUE(activeFrame().isWindowModified());
    EXPECT_EQ(action(ID_EDIT_UNDO).text(), QStringLiteral("&Undo %1").arg(QString::fromLatin1(GetParam().step)));

    press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(bytes(), saved);
    EXPECT_FALSE(activeFrame().isWindowModified());
    EXPECT_FALSE(action(ID_EDIT_UNDO).isEnabled());
    EXPECT_EQ(action(ID_EDIT_REDO).text(), QStringLiteral("&Redo %1").arg(QString::fromLatin1(GetParam().step)));

    press(QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(bytes(), edited);
    EXPECT_TRUE(activeFrame().isWindowModified());
}

INSTANTIATE_TEST_SUITE_P(
    Edits, EveryEdit,
    ::testing::Values(EditCase{"Place R2",
                               [](EditHistory& t) {
                                   t.trigger(ID_DRAW_RESISTOR);
                                   t.hand().click(t.at(20, 10));
                               }},
                      EditCase{"Place Am1",
                               [](EditHistory& t) {
                                   t.trigger(ID_DRAW_AMMETER);
                                   t.hand().click(t.at(20, 10));
                               }},
                      EditCase{"Place Vm1",
                               [](EditHistory& t) {
                                   t.trigger(ID_DRAW_VOLTMETER);
                                   t.hand().click(t.at(20, 10));
                               }},
                      EditCase{"Draw W1",
                               [](EditHistory& t) {
                                   t.trigger(ID_DRAW_WIRE);
                                   t.hand().drag(t.at(4, 4), t.at(4, 12));
                               }},
                      EditCase{"Move R1",
                               [](EditHistory& t) {
                                   t.trigger(ID_EDIT_MOVE);
                                   t.hand().drag(t.at(10, 5), t.at(12, 15));
                               }},
                      EditCase{"Delete R1",
                               [](EditHistory& t) {
                                   t.trigger(ID_EDIT_DELETE);
                                   t.hand().click(t.at(10, 5));
                               }},
                      EditCase{"Edit R1", [](EditHistory& t) {
                                   ModalAnswerer answerer;
                                   answerer.onDialog = [](QDialog* dialog) {
                                       auto* edit = qobject_cast<EditComponentDialog*>(dialog);
                                       ASSERT_NE(edit, nullptr);
                                       edit->valueBox()->selectAll();
                                       QTest::keyClicks(edit->valueBox(), QStringLiteral("68"));
                                       edit->accept();
                                   };
                                   t.trigger(ID_EDIT_VALUE);
                                   t.hand().click(t.at(10, 5));
                               }}),
    [](const ::testing::TestParamInfo<EditCase>& info) {
        std::string name = info.param.step;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

// A rubber band drawn over two of three resistors selects those two; dragging one of them
// carries both by whole grid steps, and a single Ctrl+Z puts both back.
TEST_F(EditHistory, ARubberBandSelectsAndADragMovesTheSelectionAsOneStep)
{
    CircuitBuilder build(activeDoc());
    const CComponent& r1 = build.resistor(10, 5, ORIENT_EAST, 1);
    const CComponent& r2 = build.resistor(10, 15, ORIENT_EAST, 2);
    const CComponent& r3 = build.resistor(30, 5, ORIENT_EAST, 3);
    const Bytes before = bytes();
    trigger(ID_DRAW_SELECT);
    hand().drag(at(5, 2), at(16, 18));
    EXPECT_EQ(view().editor().selectedRecords(), (std::vector<const CComponent*>{&r1, &r2}));

    hand().drag(at(10, 5), at(13, 7));
    EXPECT_EQ(r1.gridPosition, (Point{13, 7}));
    EXPECT_EQ(r2.gridPosition, (Point{13, 17}));
    EXPECT_EQ(r3.gridPosition, (Point{30, 5}));
    EXPECT_EQ(action(ID_EDIT_UNDO).text(), QStringLiteral("&Undo Move Selection"));

    press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(bytes(), before);
    press(QKeySequence(Qt::Key_Escape));
    EXPECT_TRUE(view().editor().selectedRecords().empty());
}

// Ctrl+A and Ctrl+C in one window, Ctrl+V in another: the copy keeps values and labels, takes
// the new circuit's names and is selected there.
TEST_F(EditHistory, ACircuitCopiedInOneWindowIsPastedInAnother)
{
    drawDivider();
    activeDoc().components[2]->label = "Load";
    trigger(ID_DRAW_SELECT);
    press(QKeySequence(Qt::CTRL | Qt::Key_A));
    press(QKeySequence(Qt::CTRL | Qt::Key_C));
    ASSERT_TRUE(QApplication::clipboard()->mimeData()->hasFormat(QString::fromLatin1(CIRCUIT_MIME_TYPE)));
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasImage());
    const std::size_t copied = activeDoc().components.size();

    CKirvoltDoc& source = activeDoc();
    app->OnFileNew();
    ASSERT_NE(&activeDoc(), &source);
    trigger(ID_DRAW_SELECT);
    hand().moveTo(at(20, 20));
    press(QKeySequence(Qt::CTRL | Qt::Key_V));
    ASSERT_EQ(activeDoc().components.size(), copied);
    std::vector<std::string> names;
    for (const auto& c : activeDoc().components) {
        if (isTwoTerminalKind(c->kindCode) || c->kindCode == KIND_WIRE) {
            names.push_back(c->name + "=" + std::to_string(static_cast<int>(c->value)) + ":" + c->label);
        }
    }
    EXPECT_EQ(names, (std::vector<std::string>{"E1=10:E1", "R1=100:R1", "R2=300:Load", "W1=0:W1"}));
    EXPECT_EQ(view().editor().selectedRecords().size(), copied);
    EXPECT_EQ(action(ID_EDIT_UNDO).text(), QStringLiteral("&Undo Paste"));
}

// Cutting the whole analysed circuit and pasting it back gives the same results again.
TEST_F(EditHistory, CutAndPasteBackKeepsTheAnalysisResults)
{
    drawDivider();
    trigger(ID_ANALYSE_NODE_VOLTAGE);
    const auto analysed = results();
    ASSERT_TRUE(std::ranges::any_of(analysed, [](const auto& r) { return std::get<2>(r) == 7.5; }))
        << "300 ohm of 400 take 7.5 of the 10 V";

    trigger(ID_DRAW_SELECT);
    press(QKeySequence(Qt::CTRL | Qt::Key_A));
    press(QKeySequence(Qt::CTRL | Qt::Key_X));
    EXPECT_TRUE(activeDoc().components.empty());
    hand().moveTo(at(30, 30));
    press(QKeySequence(Qt::CTRL | Qt::Key_V));
    trigger(ID_ANALYSE_NODE_VOLTAGE);
    EXPECT_EQ(results(), analysed);
}

}  // namespace
}  // namespace kirvolt::testing
