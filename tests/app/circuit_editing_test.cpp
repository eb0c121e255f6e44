#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPaintEvent>
#include <QRegion>
#include <QStatusBar>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <utility>

#include "app_fixture.h"
#include "circuit_pointer.h"
#include "editing/command_ids.h"
#include "drawing/symbol_bounds.h"
#include "modal_answerer.h"
#include "support/circuit_builder.h"
#include "view/circuit_view.h"
#include "view/dialogs/edit_component_dialog.h"
#include "view/editor_cursors.h"

namespace kirvolt::testing {
namespace {

class CircuitEditing : public AppFixture {
protected:
    CKirvoltView& view() const { return *activeFrame().circuitView(); }
    CircuitPointer pointer() const { return CircuitPointer(view()); }

    std::vector<int> kinds() const
    {
        std::vector<int> result;
        for (const auto& element : activeDoc().components) {
            result.push_back(element->kindCode);
        }
        return result;
    }

    bool statusShows(const QString& text) const
    {
        const QList<QLabel*> labels = frame().statusBar()->findChildren<QLabel*>();
        return std::ranges::any_of(labels, [&text](const QLabel* l) { return l->text() == text; });
    }

    bool cursorIs(EditorCursor expected) const
    {
        return view().viewport()->cursor().pixmap().cacheKey() == editorCursor(expected).pixmap().cacheKey();
    }
};

TEST_F(CircuitEditing, APreviewFollowsThePointerTurnsAndIsPlaced)
{
    trigger(ID_DRAW_RESISTOR);
    const CircuitPointer hand = pointer();
    hand.moveTo({203, 109});
    const CComponent* preview = view().editor().preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->position, (Point{200, 100}));
    EXPECT_TRUE(cursorIs(EditorCursor::CursorPlace));
    EXPECT_TRUE(statusShows(QStringLiteral("(10,5)")));

    hand.rightClick({203, 109});
    EXPECT_EQ(activeDoc().orientation, ORIENT_NORTH);
    EXPECT_EQ(view().editor().preview()->orientation, ORIENT_NORTH);
    EXPECT_TRUE(action(ID_DRAW_NORTH).isChecked());

    hand.click({203, 109});
    ASSERT_EQ(kinds(), (std::vector<int>{KIND_JOINT, KIND_JOINT, KIND_RESISTOR}));
    EXPECT_EQ(activeDoc().components[2]->finishPoint, (Point{200, 40}));
    EXPECT_EQ(activeDoc().resistorCount, 2);
    EXPECT_TRUE(activeFrame().isWindowModified());

    trigger(ID_DRAW_SELECT);
    hand.rightClick({300, 300});
    EXPECT_EQ(activeDoc().orientation, ORIENT_NORTH);
    EXPECT_TRUE(cursorIs(EditorCursor::CursorDefault));
}

// Between the press and the release of a first click the window takes the focus, repaints
// and scrolls; none of that may swallow the click.
TEST_F(CircuitEditing, TheFirstClickInANewWindowPlaces)
{
    trigger(ID_DRAW_RESISTOR);
    const CircuitPointer hand = pointer();
    hand.moveTo({203, 109});
    view().viewport()->repaint();  // the preview is on screen
    hand.press({203, 109});
    view().setFocus(Qt::MouseFocusReason);
    frame().activateWindow();
    view().viewport()->repaint();
    view().horizontalScrollBar()->setValue(0);
    QCoreApplication::processEvents();
    hand.release({203, 109});
    ASSERT_EQ(kinds(), (std::vector<int>{KIND_JOINT, KIND_JOINT, KIND_RESISTOR}));
    EXPECT_EQ(activeDoc().components[2]->position, (Point{200, 100}));
}

// The rectangles the viewport is asked to paint, once the event loop has run.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& widget) : widget(widget) { widget.installEventFilter(this); }
    ~PaintRecorder() override { widget.removeEventFilter(this); }

    QRegion painted()
    {
        QCoreApplication::processEvents();
        return std::exchange(region, QRegion());
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            region += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

private:
    QWidget& widget;
    QRegion region;
};

QRect clientBox(const CKirvoltView& view, const Rect& logical)
{
    return QRect(logical.left, logical.top, logical.right - logical.left, logical.bottom - logical.top)
        .translated(-view.scrollOffset());
}

TEST_F(CircuitEditing, APointerMoveRepaintsOnlyWhereThePreviewWasAndIs)
{
    trigger(ID_DRAW_RESISTOR);
    const CircuitPointer hand = pointer();
    PaintRecorder recorder(*view().viewport());
    hand.moveTo({403, 309});
    recorder.painted();
    const QRect before = clientBox(view(), symbolBounds(*view().editor().preview(), activeDoc().gridSize));
    hand.moveTo({423, 309});
    const QRect after = clientBox(view(), symbolBounds(*view().editor().preview(), activeDoc().gridSize));
    EXPECT_EQ(recorder.painted().boundingRect(), before | after);

    hand.moveTo({427, 305});  // the same grid point: nothing to paint
    EXPECT_TRUE(recorder.painted().isEmpty());
}

TEST_F(CircuitEditing, TheRubberBandRepaintsOnlyTheBoxItSpans)
{
    trigger(ID_DRAW_WIRE);
    const CircuitPointer hand = pointer();
    hand.moveTo({100, 100});
    hand.press({100, 100});
    PaintRecorder recorder(*view().viewport());
    hand.moveTo({300, 160});
    recorder.painted();
    hand.moveTo({320, 200});
    const QRect band = clientBox(view(), Rect{100, 100, 320, 200}).adjusted(-2, -2, 3, 3);
    const QRect painted = recorder.painted().boundingRect();
    EXPECT_TRUE(band.contains(painted)) << painted.x() << "," << painted.y() << " " << painted.width() << "x"
                                        << painted.height();
    EXPECT_TRUE(painted.contains(clientBox(view(), Rect{100, 100, 320, 200})));
    hand.release({320, 200});
}

TEST_F(CircuitEditing, ScrollingPaintsOnlyTheStripComingIntoView)
{
    CircuitBuilder(activeDoc()).wire(5, 5, 50, 5);
    PaintRecorder recorder(*view().viewport());
    view().viewport()->repaint();
    recorder.painted();
    QScrollBar& bar = *view().verticalScrollBar();
    bar.setValue(bar.value() + bar.singleStep());
    const QRect viewport = view().viewport()->rect();
    EXPECT_EQ(recorder.painted().boundingRect(),
              QRect(0, viewport.height() - bar.singleStep(), viewport.width(), bar.singleStep()));
}

TEST_F(CircuitEditing, WiresAreDrawnByPressDragRelease)
{
    trigger(ID_DRAW_WIRE);
    const CircuitPointer hand = pointer();
    hand.moveTo({41, 39});
    hand.press({41, 39});
    hand.moveTo({150, 44});
    EXPECT_TRUE(view().editor().wireInProgress());
    EXPECT_EQ(view().editor().endPoint(), (Point{160, 40}));
    EXPECT_TRUE(cursorIs(EditorCursor::CursorPlace));
    hand.release({181, 38});
    EXPECT_FALSE(view().editor().wireInProgress());
    ASSERT_EQ(kinds(), (std::vector<int>{KIND_WIRE, KIND_JOINT, KIND_JOINT}));
    EXPECT_EQ(activeDoc().components[0]->finishPoint, (Point{180, 40}));
    EXPECT_EQ(activeDoc().wireCount, 2);

    hand.drag({301, 299}, {304, 305});  // released where it was pressed
    EXPECT_EQ(activeDoc().components.size(), 3u);
    EXPECT_EQ(activeDoc().wireCount, 2);

    hand.moveTo({180, 41});  // over the joint at the wire's end
    EXPECT_TRUE(cursorIs(EditorCursor::CursorPlace));
    hand.moveTo({250, 100});
    EXPECT_TRUE(cursorIs(EditorCursor::CursorDefault));
}

TEST_F(CircuitEditing, VerticalWiresAreHitFurtherAwayThanHorizontalOnes)
{
    CircuitBuilder build(activeDoc());
    const CComponent* vertical = &build.wire(5, 5, 5, 10);      // x = 100, y 100..200
    const CComponent* horizontal = &build.wire(10, 20, 15, 20);  // y = 400, x 200..300
    const auto present = [this](const CComponent* wire) {
        const auto& list = activeDoc().components;
        return std::ranges::any_of(list, [wire](const auto& owned) { return owned.get() == wire; });
    };
    trigger(ID_EDIT_DELETE);
    const CircuitPointer hand = pointer();
    struct Case {
        const CComponent* wire;
        Point at;
        bool hit;
    };
    const Case cases[] = {
        {vertical, {110, 150}, false},   {vertical, {91, 150}, true},      // c/2 beside a vertical wire
        {horizontal, {250, 409}, false}, {horizontal, {250, 402}, false},  // c/10 beside a horizontal one
        {horizontal, {250, 401}, true},
    };
    for (const Case& c : cases) {
        hand.moveTo(c.at);
        EXPECT_EQ(cursorIs(EditorCursor::CursorDelete), c.hit) << c.at.x << "," << c.at.y;
        hand.click(c.at);
        EXPECT_EQ(present(c.wire), !c.hit) << c.at.x << "," << c.at.y;
    }
}

TEST_F(CircuitEditing, MovingCarriesNameAndValueToTheNewPlace)
{
    CircuitBuilder build(activeDoc());
    build.resistor(10, 5, ORIENT_EAST, 47).label = "Load";
    trigger(ID_EDIT_MOVE);
    const CircuitPointer hand = pointer();
    hand.moveTo(hand.grid(10, 5));
    EXPECT_TRUE(cursorIs(EditorCursor::CursorMove));
    hand.drag(hand.grid(10, 5), hand.grid(12, 15));  // picked up by the press, placed by the release
    ASSERT_EQ(kinds(), (std::vector<int>{KIND_JOINT, KIND_JOINT, KIND_RESISTOR}));
    const CComponent& moved = *activeDoc().components[2];
    EXPECT_EQ(moved.position, hand.grid(12, 15));
    EXPECT_EQ(moved.name, "R1");
    EXPECT_EQ(moved.value, 47);
    EXPECT_EQ(activeDoc().mode, MODE_MOVE);
    EXPECT_TRUE(action(ID_EDIT_MOVE).isChecked());
    EXPECT_EQ(activeDoc().resistorCount, 2);

    hand.press(hand.grid(12, 15));
    EXPECT_TRUE(action(ID_DRAW_RESISTOR).isChecked());  // placing the picked-up kind
    hand.release(hand.grid(12, 15));
}

TEST_F(CircuitEditing, EscapeACommandOrASavePutsAPickedUpElementBack)
{
    CircuitBuilder build(activeDoc());
    CComponent* resistor = &build.resistor(10, 5, ORIENT_EAST, 47);
    resistor->label = "Load";
    const CircuitPointer hand = pointer();
    const auto pickUp = [&] {
        trigger(ID_EDIT_MOVE);
        hand.click(hand.grid(10, 5));
        hand.moveTo(hand.grid(20, 20));
        ASSERT_TRUE(activeDoc().components.empty());
        ASSERT_TRUE(view().editor().movePending());
    };
    const auto expectBack = [&](int mode) {
        ASSERT_EQ(activeDoc().components.size(), 1u);
        EXPECT_EQ(activeDoc().components[0].get(), resistor);
        EXPECT_EQ(resistor->label, "Load");
        EXPECT_EQ(resistor->value, 47);
        EXPECT_FALSE(view().editor().movePending());
        EXPECT_EQ(activeDoc().mode, mode);
        EXPECT_EQ(resistor->position, hand.grid(10, 5));
    };

    pickUp();
    view().setFocus();
    QTest::keyClick(&view(), Qt::Key_Escape);
    expectBack(MODE_MOVE);

    pickUp();
    trigger(ID_DRAW_WIRE);
    expectBack(KIND_WIRE);

    pickUp();
    trigger(ID_DRAW_SOUTH);  // turning the element and zooming are part of the move
    trigger(ID_ZOOM_IN);
    EXPECT_TRUE(view().editor().movePending());
    ASSERT_TRUE(activeFrame().circuit().saveTo(tempPath(QStringLiteral("moved.kvt"))));
    expectBack(MODE_MOVE);
}

// Each window has its own pending move: another window's placing takes nothing of it, and
// back in its window the element is placed with its name and value.
TEST_F(CircuitEditing, AMoveStaysWithItsWindow)
{
    CKirvoltFrame& firstFrame = activeFrame();
    CKirvoltDoc& first = activeDoc();
    CircuitBuilder(first).resistor(10, 5, ORIENT_EAST, 47);
    trigger(ID_EDIT_MOVE);
    pointer().click(pointer().grid(10, 5));
    ASSERT_TRUE(first.components.empty());

    app->OnFileNew();  // another circuit's window comes to the front
    ASSERT_NE(&activeDoc(), &first);
    EXPECT_TRUE(firstFrame.circuitView()->editor().movePending());
    trigger(ID_DRAW_RESISTOR);
    pointer().click(pointer().grid(4, 4));
    EXPECT_EQ(activeDoc().components.back()->name, "R1");
    EXPECT_EQ(activeDoc().components.back()->value, 0);

    frame().mdiArea()->setActiveSubWindow(&firstFrame);
    pointer().click(pointer().grid(10, 9));
    ASSERT_FALSE(first.components.empty());
    EXPECT_EQ(first.components.back()->name, "R1");
    EXPECT_EQ(first.components.back()->value, 47);
    EXPECT_EQ(first.components.back()->position, pointer().grid(10, 9));
}

TEST_F(CircuitEditing, TheEditDialogChangesNameAndValueAndMarksTheCircuitModified)
{
    CircuitBuilder build(activeDoc());
    const CComponent& source = build.voltageSource(10, 5, ORIENT_EAST, 5);
    activeDoc().SetModifiedFlag(false);
    ModalAnswerer answerer;
    answerer.onDialog = [](QDialog* dialog) {
        auto* edit = qobject_cast<EditComponentDialog*>(dialog);
        ASSERT_NE(edit, nullptr);
        edit->nameBox()->selectAll();
        QTest::keyClicks(edit->nameBox(), QStringLiteral("Vin"));
        edit->valueBox()->selectAll();
        QTest::keyClicks(edit->valueBox(), QStringLiteral("12"));
        edit->accept();
    };
    trigger(ID_EDIT_VALUE);
    pointer().moveTo(pointer().grid(10, 5));
    EXPECT_TRUE(cursorIs(EditorCursor::CursorEdit));
    pointer().click(pointer().grid(10, 5));
    EXPECT_EQ(source.label, "Vin");
    EXPECT_EQ(source.name, "E1");
    EXPECT_EQ(source.value, 12);
    EXPECT_EQ(source.pd, 12);
    EXPECT_TRUE(activeDoc().IsModified());
    EXPECT_TRUE(activeFrame().isWindowModified());
}

}  // namespace
}  // namespace kirvolt::testing
