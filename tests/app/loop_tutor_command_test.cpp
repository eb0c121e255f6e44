#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "analysis/nodal_solver.h"
#include "app/app_command_ids.h"
#include "app_fixture.h"
#include "circuit_pointer.h"
#include "support/example_circuits.h"
#include "support/same_results.h"
#include "tutor/loop_trace_dialog.h"
#include "tutor/loop_tutor_steps.h"
#include "view/circuit_view.h"
#include "view/widgets/spin_edit.h"
#include "tutor_hand.h"
#include "window_hand.h"

namespace kirvolt::testing {
namespace {

using LoopTutorCommand = AppFixture;

WindowHand::Step countAs(const QString& loops)
{
    return WindowHand::on<LoopCountDialog>([loops](LoopCountDialog* step) {
        auto* edit = step->findChild<SpinEdit*>(QStringLiteral("countEdit"));
        edit->selectAll();
        QTest::keyClicks(edit, loops);
        press(step, QStringLiteral("Next"));
    });
}

const ExampleCircuit& bridge()
{
    for (const ExampleCircuit& e : exampleCircuits()) {
        if (e.fileName == "wheatstone_unbalanced.kvt") {
            return e;
        }
    }
    throw std::logic_error("no bridge");
}

// The whole tutor from the Tutor menu with mouse and keys on the unbalanced bridge: a wrong
// count and the right one, two loops traced by clicking their elements, a third that is loop 1
// minus loop 2 refused, a slip taken back with "Undo last branch", the last loop, the three
// equation pages and the solve, whose records and pane are the node voltage method's.
TEST_F(LoopTutorCommand, RunsFromTheTutorMenuThroughEveryStepToTheEnd)
{
    CKirvoltDoc& doc = activeDoc();
    buildExample(bridge(), doc);
    doc.UpdateAllViews();
    CKirvoltDoc nodal;
    buildExample(bridge(), nodal);
    ASSERT_TRUE(runAnalysis(nodal, nodalMethod()));
    CKirvoltView& view = *activeFrame().circuitView();
    const CircuitPointer hand(view);
    const auto clickOn = [&](const std::string& label) {
        for (const auto& c : doc.components) {
            if (c->label == label) {
                hand.click(hand.grid((c->gridStart.x + c->gridFinish.x) / 2, (c->gridStart.y + c->gridFinish.y) / 2));
                return;
            }
        }
        ADD_FAILURE() << "no element " << label;
    };
    QStringList messages;
    QStringList replies;
    std::vector<std::size_t> drawnLoops;
    bool modeless = false;
    bool nextWaited = false;
    bool markedWhileTracing = false;
    QStringList pages;
    WindowHand tutor({
        WindowHand::on<LoopIntroductionDialog>([](LoopIntroductionDialog* step) { press(step, QStringLiteral("Start")); }),
        countAs(QStringLiteral("4")),
        WindowHand::message(messages),
        countAs(QStringLiteral("3")),
        WindowHand::message(messages),
        WindowHand::on<LoopTraceDialog>([&](LoopTraceDialog* step) {
            modeless = QApplication::activeModalWidget() == nullptr;
            const auto* reply = step->findChild<QLabel*>(QStringLiteral("replyText"));
            const auto note = [&] { replies << reply->text(); };
            for (const char* label : {"R1", "R5", "R3"}) {
                clickOn(label);
            }
            note();
            drawnLoops.push_back(view.loopCurrents().traced.size());
            for (const char* label : {"R5", "R4"}) {
                clickOn(label);
            }
            markedWhileTracing = view.highlight() != nullptr;
            clickOn("R2");
            note();
            for (const char* label : {"R1", "R2", "R4", "R3"}) {
                clickOn(label);
            }
            note();
            clickOn("E1");
            clickOn("R3");
            press(step, QStringLiteral("Undo last branch"));
            note();
            nextWaited = !step->findChild<QLabel*>(QStringLiteral("progressText"))->text().contains(QStringLiteral("3 of 3"));
            clickOn("R1");
            clickOn("R2");
            note();
            drawnLoops.push_back(view.loopCurrents().traced.size());
            press(step, QStringLiteral("Next"));
        }),
        WindowHand::on<LoopPageDialog>([&pages](LoopPageDialog* step) {
            pages << step->findChild<QLabel*>(QStringLiteral("pageText"))->text();
            press(step, QStringLiteral("Next"));
        }),
        WindowHand::on<LoopPageDialog>([&pages](LoopPageDialog* step) {
            pages << step->findChild<QLabel*>(QStringLiteral("pageText"))->text();
            press(step, QStringLiteral("Next"));
        }),
        WindowHand::on<LoopPageDialog>([&pages](LoopPageDialog* step) {
            pages << step->findChild<QLabel*>(QStringLiteral("pageText"))->text();
            press(step, QStringLiteral("Next"));
        }),
        WindowHand::on<LoopPageDialog>([&pages](LoopPageDialog* step) {
            pages << step->findChild<QLabel*>(QStringLiteral("pageText"))->text();
            press(step, QStringLiteral("Finish"));
        }),
    });
    clickMenuItem(*frame().menuBar(), QStringLiteral("Tutor"), action(ID_TUTOR_LOOP_CURRENT));

    EXPECT_TRUE(tutor.finished());
    EXPECT_TRUE(tutor.unexpected.isEmpty()) << tutor.unexpected.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Sorry,\n\nyour circuit does not have 4 independent loops.")));
    EXPECT_TRUE(messages[1].startsWith(QStringLiteral("Terrific! You got it.")));
    EXPECT_TRUE(modeless);
    EXPECT_TRUE(markedWhileTracing);
    EXPECT_TRUE(nextWaited);
    ASSERT_EQ(replies.size(), 5);
    EXPECT_EQ(replies[0], QStringLiteral("Loop 1 is closed, and it is independent of the loops before it.\n\n2 more loops are needed."));
    EXPECT_EQ(replies[1], QStringLiteral("Loop 2 is closed, and it is independent of the loops before it.\n\n1 more loop is needed."));
    EXPECT_EQ(replies[2], QStringLiteral("Sorry,\n\nthis loop is loop 1 minus loop 2: its KVL equation would follow from "
                                         "theirs, so it tells nothing new.\n\nA loop through E1, which none of your loops "
                                         "runs through yet, is sure to be new. Trace another loop."));
    EXPECT_TRUE(replies[3].startsWith(QStringLiteral("R3 taken back.")));
    EXPECT_TRUE(replies[4].startsWith(QStringLiteral("Loop 3 is closed")));
    EXPECT_EQ(drawnLoops, (std::vector<std::size_t>{1, 3}));
    ASSERT_EQ(pages.size(), 4);
    EXPECT_TRUE(pages[0].startsWith(QStringLiteral("Loop 1 of 3:")));
    EXPECT_TRUE(pages[3].startsWith(QStringLiteral("Solving the equations gives the loop currents:")));

    // The end: the student's loops drawn with their currents, the records and pane the node
    // voltage method's, the pointer back with the editor.
    const LoopPicture& picture = view.loopCurrents();
    ASSERT_EQ(picture.traced.size(), 3U);
    EXPECT_TRUE(picture.traced[2].amperes.has_value());
    EXPECT_EQ(recordDifferences(nodal, doc), "");
    EXPECT_EQ(paneTexts(nodal), paneTexts(doc));
    EXPECT_EQ(view.highlight(), nullptr);
}

}  // namespace
}  // namespace kirvolt::testing
