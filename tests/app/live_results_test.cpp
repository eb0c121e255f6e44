#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>
#include <QUndoStack>
#include <QWheelEvent>

#include <deque>
#include <string>
#include <vector>

#include "analysis/drawn_numbers_reading.h"
#include "analysis/nodal_solver.h"
#include "analysis/results_text.h"
#include "app/app_command_ids.h"
#include "app/live_analysis.h"
#include "app/property_view.h"
#include "app_fixture.h"
#include "circuit_pointer.h"
#include "document/circuit_file.h"
#include "drawing/circuit_painter.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "support/recording_surface.h"
#include "view/circuit_view.h"
#include "view/dialogs/edit_component_dialog.h"

namespace kirvolt::testing {
namespace {

// A divider drawn with the pointer (grid points, c = 20):
//
//   (2,2) --R1-- (8,2)
//     |E1 (+ on top)  |R2
//   (2,8) -------- (8,8)
class LiveResults : public AppFixture {
protected:
    CKirvoltView& view() const { return *activeFrame().circuitView(); }
    OpenCircuit& circuit() const { return activeFrame().circuit(); }
    Point at(int x, int y) const { return CircuitPointer(view()).grid(x, y); }

    // Each step of the drawing, and after it what the circuit answers.
    void drawDivider(const std::function<void()>& afterEachStep)
    {
        const CircuitPointer hand(view());
        trigger(ID_DRAW_VOLTAGE_SOURCE);
        hand.moveTo(at(2, 5));
        hand.rightClick(at(2, 5));
        hand.click(at(2, 5));
        afterEachStep();
        trigger(ID_DRAW_EAST);
        trigger(ID_DRAW_RESISTOR);
        hand.click(at(5, 2));
        afterEachStep();
        trigger(ID_DRAW_SOUTH);
        hand.click(at(8, 5));
        afterEachStep();
        trigger(ID_DRAW_WIRE);
        hand.drag(at(8, 8), at(2, 8));
        afterEachStep();
        ModalAnswerer answerer;
        std::deque<QString> values{"10", "300", "200"};
        answerer.onDialog = [&values](QDialog* dialog) {
            auto* edit = qobject_cast<EditComponentDialog*>(dialog);
            ASSERT_NE(edit, nullptr);
            edit->valueBox()->selectAll();
            QTest::keyClicks(edit->valueBox(), values.front());
            values.pop_front();
            edit->accept();
        };
        trigger(ID_EDIT_VALUE);
        for (const Point p : {at(2, 5), at(5, 2), at(8, 5)}) {
            hand.click(p);
            afterEachStep();
        }
        EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('|').toStdString();
    }

    void turnWheel(Point logical, int notches) const
    {
        const QPoint client = QPoint(logical.x, logical.y) - view().scrollOffset();
        QWheelEvent wheel(client, view().viewport()->mapToGlobal(client), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, Qt::AltModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view().viewport(), &wheel);
    }

    void turnOn() const
    {
        frame().analyseAsIDrawAction()->trigger();
        frame().voltagesOnDrawingAction()->trigger();
        frame().currentsOnDrawingAction()->trigger();
    }

    // The pane and the numbers painted on the drawing are those of a fresh analysis of a copy
    // of the circuit as drawn; or, where the copy is refused, the earlier results stay greyed
    // and the status bar gives the copy's reason.
    void expectAnswersAsDrawn(const std::string& when) const
    {
        QApplication::processEvents();
        CKirvoltDoc& doc = circuit().doc();
        CKirvoltDoc fresh;
        ASSERT_TRUE(readCircuitBytes(circuitBytes(doc), fresh).ok) << when;
        const AnalysisOutcome outcome = runNodalAnalysis(fresh);
        if (!outcome) {
            EXPECT_EQ(frame().statusBar()->currentMessage().toStdString(), outcome.refusal->message) << when;
            for (const ResultsLine& line : resultsPaneLines(doc)) {
                EXPECT_TRUE(line.y == 0 || line.greyed) << when << line.plainText();
            }
            return;
        }
        EXPECT_TRUE(frame().statusBar()->currentMessage().isEmpty()) << when;
        EXPECT_EQ(resultsPaneLines(doc), resultsPaneLines(fresh)) << when;
        const DrawnNumbers freshNumbers = readDrawnNumbers(fresh);
        RecordingSurface live;
        RecordingSurface expected;
        PaintOptions options = documentPaintOptions(doc);
        options.shown = {true, true};
        options.numbers = &circuit().liveAnalysis().numbers();
        PaintView(doc, live, options);
        options.numbers = &freshNumbers;
        PaintView(fresh, expected, options);
        EXPECT_EQ(live.texts, expected.texts) << when;
        EXPECT_EQ(live.segments, expected.segments) << when;
        EXPECT_EQ(live.arcs, expected.arcs) << when;
    }
};

TEST_F(LiveResults, EveryEditWheelTurnAndUndoAnswersAsAFreshAnalysis)
{
    EXPECT_FALSE(frame().analyseAsIDrawAction()->isChecked());
    turnOn();
    int step = 0;
    drawDivider([&] { expectAnswersAsDrawn("step " + std::to_string(++step)); });
    const CKirvoltDoc& doc = circuit().doc();
    ASSERT_TRUE(doc.resultsAreCurrent());
    EXPECT_EQ(doc.mode, MODE_EDIT);  // the mode the student chose, not the analysis's
    const int steps = circuit().undoStack().count();
    EXPECT_EQ(steps, 7);

    // Three notches without a pause: 300 Ω goes up the E12 series to 470 Ω in one step.
    for (int notch = 0; notch < 3; ++notch) {
        turnWheel(at(5, 2), 1);
        expectAnswersAsDrawn("notch " + std::to_string(notch));
    }
    EXPECT_EQ(circuit().undoStack().count(), steps + 1);
    EXPECT_EQ(circuit().undoStack().undoText(), QStringLiteral("Edit R1"));
    const auto r1 = [&doc] {
        for (const auto& c : doc.components) {
            if (c->label == "R1") {
                return c->value;
            }
        }
        return -1.0;
    };
    EXPECT_EQ(r1(), 470.0);
    QTest::qWait(WheelValueSteps::PAUSE_MS + 100);
    turnWheel(at(5, 2), -1);
    EXPECT_EQ(r1(), 390.0);
    EXPECT_EQ(circuit().undoStack().count(), steps + 2);
    expectAnswersAsDrawn("after a pause");

    trigger(ID_EDIT_UNDO);
    expectAnswersAsDrawn("first undo");
    EXPECT_EQ(r1(), 470.0);
    trigger(ID_EDIT_UNDO);
    expectAnswersAsDrawn("second undo");
    EXPECT_EQ(r1(), 300.0);
    while (circuit().undoStack().canUndo()) {
        trigger(ID_EDIT_UNDO);
        QApplication::processEvents();
    }
    // The analyses made no edit: back at the start the circuit is as it was opened.
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(circuit().undoStack().count(), steps + 2);
}

TEST_F(LiveResults, AnUnsolvableCircuitGreysTheResultsAndSaysWhyInTheStatusBar)
{
    turnOn();
    drawDivider([] {});
    QApplication::processEvents();
    const std::vector<ResultsLine> solved = circuit().doc().analysisResults;
    ASSERT_GT(solved.size(), 1u);
    ModalAnswerer answerer;
    trigger(ID_DRAW_RESISTOR);
    CircuitPointer(view()).click(at(14, 5));
    expectAnswersAsDrawn("a loose resistor");
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('|').toStdString();
    EXPECT_FALSE(frame().statusBar()->currentMessage().isEmpty());
    EXPECT_EQ(circuit().doc().analysisResults, solved);
    EXPECT_FALSE(circuit().doc().resultsAreCurrent());
    trigger(ID_EDIT_UNDO);
    expectAnswersAsDrawn("the loose resistor taken back");
}

// The analysis builds the nodes of a circuit saved before any analysis, and that is no change.
TEST_F(LiveResults, TurnedOnOverASavedCircuitItAnswersAndLeavesItUnmodified)
{
    drawDivider([] {});
    ASSERT_TRUE(circuit().saveTo(tempPath(QStringLiteral("divider.kvt"))));
    const int steps = circuit().undoStack().count();
    turnOn();
    expectAnswersAsDrawn("turned on");
    EXPECT_TRUE(circuit().doc().resultsAreCurrent());
    EXPECT_FALSE(circuit().doc().IsModified());
    EXPECT_EQ(circuit().undoStack().count(), steps);
    EXPECT_TRUE(circuit().undoStack().isClean());
}

// Alt+Up and Alt+Down step a value as the wheel does, for desktops that take Alt and the wheel:
// the one selected element while the pointer is off the circuit, else the element under it.
TEST_F(LiveResults, TheValueKeysStepTheSelectedOrPointedValueAsTheWheelDoes)
{
    turnOn();
    drawDivider([] {});
    const CKirvoltDoc& doc = circuit().doc();
    const auto value = [&doc](const std::string& label) {
        for (const auto& c : doc.components) {
            if (c->label == label) {
                return c->value;
            }
        }
        return -1.0;
    };
    // The keys belong to the whole window: focus on either pane.
    bool onView = false;
    const auto press = [this, &onView](Qt::Key key) {
        QWidget* focus = onView ? static_cast<QWidget*>(&view()) : activeFrame().propertyView();
        onView = !onView;
        focus->setFocus();
        QTest::keyClick(focus, key, Qt::AltModifier);
    };
    // The value dialogs have come and gone: the keys go to the window the student is in.
    frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    trigger(ID_DRAW_SELECT);
    CircuitPointer(view()).click(at(5, 2));
    ASSERT_EQ(view().editor().selectedRecords().size(), 1u);
    QCursor::setPos(view().viewport()->mapToGlobal(QPoint(-50, -50)));
    ASSERT_FALSE(view().pointerPoint().has_value());
    const int steps = circuit().undoStack().count();

    const struct {
        Qt::Key key;
        std::string label;
        double after;
        int newSteps;
    } presses[] = {
        {Qt::Key_Up, "R1", 330, 1},
        {Qt::Key_Up, "R1", 390, 1},  // no pause: the same step
        {Qt::Key_Down, "R1", 330, 1},
    };
    for (const auto& p : presses) {
        press(p.key);
        EXPECT_EQ(value(p.label), p.after);
        EXPECT_EQ(circuit().undoStack().count(), steps + p.newSteps);
        expectAnswersAsDrawn("R1 at " + std::to_string(p.after));
    }
    EXPECT_EQ(circuit().undoStack().undoText(), QStringLiteral("Edit R1"));

    // Over R2 the key steps R2, though R1 is still the selection.
    QTest::qWait(WheelValueSteps::PAUSE_MS + 100);
    const QPoint overR2 = QPoint(at(8, 5).x, at(8, 5).y) - view().scrollOffset();
    QCursor::setPos(view().viewport()->mapToGlobal(overR2));
    ASSERT_TRUE(view().pointerPoint().has_value());
    press(Qt::Key_Up);
    EXPECT_EQ(value("R2"), 220);
    EXPECT_EQ(value("R1"), 330);
    EXPECT_EQ(circuit().undoStack().count(), steps + 2);
    expectAnswersAsDrawn("R2 stepped");
    trigger(ID_EDIT_UNDO);
    EXPECT_EQ(value("R2"), 200);
    trigger(ID_EDIT_UNDO);
    expectAnswersAsDrawn("the keys' step undone");
    EXPECT_EQ(value("R1"), 300);
}

TEST_F(LiveResults, WithTheModeOffNothingIsAnalysed)
{
    frame().voltagesOnDrawingAction()->trigger();
    drawDivider([] {});
    turnWheel(at(5, 2), 1);
    trigger(ID_EDIT_UNDO);
    QApplication::processEvents();
    EXPECT_TRUE(circuit().doc().analysisResults.empty());
    EXPECT_TRUE(circuit().liveAnalysis().numbers().empty());
    EXPECT_EQ(circuit().doc().analysisFailed, 0);
}

}  // namespace
}  // namespace kirvolt::testing
