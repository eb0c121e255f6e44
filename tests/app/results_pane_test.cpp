#include <QSplitter>
#include <QTest>

#include "analysis/results_text.h"
#include "app/property_view.h"
#include "app_fixture.h"
#include "circuit_pointer.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "support/circuit_builder.h"
#include "support/sample_circuits.h"
#include "view/circuit_view.h"

namespace kirvolt::testing {
namespace {

using ResultsPane = AppFixture;

int paneWidth(const CKirvoltFrame& frame) { return frame.splitter()->sizes().at(1); }

bool showsStaleResults(const CKirvoltDoc& doc)
{
    const std::vector<ResultsLine> lines = resultsPaneLines(doc, "stale");
    return lines.size() > 2 && lines[1].plainText() == "  stale" && lines.back().greyed;
}

TEST_F(ResultsPane, OpensToItsTextAfterASuccessfulAnalysisOnce)
{
    CKirvoltFrame& window = activeFrame();
    const int narrow = paneWidth(window);
    ASSERT_LT(narrow, window.splitter()->width() / 50);
    buildVoltageDivider(activeDoc());

    QTest::keyClick(window.propertyView(), Qt::Key_F5);
    const int opened = paneWidth(window);
    EXPECT_GT(opened, narrow);
    EXPECT_LE(opened, window.splitter()->width() * 40 / 100);
    EXPECT_GE(opened, std::min(window.propertyView()->textWidth(), window.splitter()->width() * 40 / 100));
    EXPECT_FALSE(window.splitter()->handle(1)->isHidden());

    // Once per window: narrowed again, the pane stays as it was put.
    window.splitter()->setSizes({window.splitter()->width() - 10, 10});
    trigger(ID_ANALYSE_NODE_VOLTAGE);
    EXPECT_EQ(paneWidth(window), 10);
}

TEST_F(ResultsPane, StaysNarrowAfterARefusedAnalysis)
{
    CircuitBuilder(activeDoc()).resistor(10, 10, ORIENT_EAST, 5);  // dangling
    const int narrow = paneWidth(activeFrame());
    ModalAnswerer answerer;
    trigger(ID_ANALYSE_NODE_VOLTAGE);
    ASSERT_FALSE(answerer.texts.isEmpty());
    EXPECT_EQ(paneWidth(activeFrame()), narrow);
}

TEST_F(ResultsPane, ASplitTheUserDraggedIsLeftAlone)
{
    CKirvoltFrame& window = activeFrame();
    QSplitter& split = *window.splitter();
    buildVoltageDivider(activeDoc());
    QWidget* handle = split.handle(1);
    const QPoint grip = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip - QPoint(20, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(20, 0));
    const int dragged = paneWidth(window);
    ASSERT_NE(dragged, split.width() / 100);

    trigger(ID_ANALYSE_NODE_VOLTAGE);
    ASSERT_TRUE(activeDoc().resultsAreCurrent());
    EXPECT_EQ(paneWidth(window), dragged);
}

TEST_F(ResultsPane, ResultsAreMarkedStaleAfterAnEditAndADatumChange)
{
    CKirvoltView& view = *activeFrame().circuitView();
    const CircuitPointer hand(view);
    buildVoltageDivider(activeDoc());
    const ModalAnswerer answerer;
    // The new resistor dangles, so it comes last: no analysis follows it.
    const struct {
        const char* change;
        std::function<void()> make;
    } changes[] = {
        {"another datum",
         [&] {
             trigger(ID_NODES_DATUM);
             const int before = activeDoc().datumNode;
             hand.click(hand.grid(16, 5));
             if (activeDoc().datumNode == before) {
                 hand.click(hand.grid(5, 11));
             }
             EXPECT_NE(activeDoc().datumNode, before);
         }},
        {"a new resistor",
         [&] {
             trigger(ID_DRAW_RESISTOR);
             hand.click(hand.grid(30, 20));
         }},
    };
    for (const auto& c : changes) {
        trigger(ID_ANALYSE_NODE_VOLTAGE);
        ASSERT_TRUE(activeDoc().resultsAreCurrent()) << c.change;
        EXPECT_FALSE(showsStaleResults(activeDoc())) << c.change;
        c.make();
        EXPECT_TRUE(showsStaleResults(activeDoc())) << c.change;
    }
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join(QStringLiteral(" | ")).toStdString();
}

// The pane measures each analysis's lines: a longer name widens it at the next analysis, and
// the width of greyed lines is that of the lines they were.
TEST_F(ResultsPane, GrowsWithTheWidestLineOfEachAnalysis)
{
    CKirvoltFrame& window = activeFrame();
    buildVoltageDivider(activeDoc());
    trigger(ID_ANALYSE_NODE_VOLTAGE);
    ASSERT_TRUE(activeDoc().resultsAreCurrent());
    const int analysed = window.propertyView()->textWidth();
    CComponent* resistor = nullptr;
    for (const auto& c : activeDoc().components) {
        if (c->kindCode == KIND_RESISTOR) {
            resistor = c.get();
        }
    }
    ASSERT_NE(resistor, nullptr);
    resistor->label = "R" + std::string(150, '9');
    activeDoc().noteEdit();
    activeDoc().UpdateAllViews();
    EXPECT_GE(window.propertyView()->textWidth(), analysed) << "greyed, the lines are as wide as they were";
    trigger(ID_ANALYSE_NODE_VOLTAGE);
    ASSERT_TRUE(activeDoc().resultsAreCurrent());
    EXPECT_GT(window.propertyView()->textWidth(), analysed + 500);
}

}  // namespace
}  // namespace kirvolt::testing
