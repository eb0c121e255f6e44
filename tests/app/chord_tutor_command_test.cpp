#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <cmath>

#include "app_fixture.h"
#include "circuit_pointer.h"
#include "editing/command_ids.h"
#include "tutor/chord_tutor_steps.h"
#include "view/circuit_view.h"
#include "tutor_hand.h"
#include "window_hand.h"

namespace kirvolt::testing {
namespace {

using ChordTutorCommand = AppFixture;

// Types the equation into the step-4 window, checks it with Return and notes the verdict.
WindowHand::Step write(const QString& equation, QStringList& verdicts, const QString& leave)
{
    return WindowHand::on<ChordEquationDialog>([equation, &verdicts, leave](ChordEquationDialog* step) {
        QTest::keyClicks(step->equationBox(), equation);
        QTest::keyClick(step->equationBox(), Qt::Key_Return);
        verdicts << step->findChild<QLabel*>(QStringLiteral("verdictText"))->text();
        press(step, leave);
    });
}

// The bridge from the Tutor menu with the mouse: a branch that closes a loop, then the tree
// E1, R1 and R5 picked on the drawing, drawn thicker as it grows; the pages of the chords and
// their loops; each loop's equation typed and checked, and the loop currents over the
// student's tree at the end.
TEST_F(ChordTutorCommand, RunsFromTheTutorMenuThroughEveryStepToTheEnd)
{
    ASSERT_NE(app->OpenDocumentFile(QStringLiteral(KIRVOLT_EXAMPLES_DIR "/wheatstone_unbalanced.kvt")), nullptr);
    CKirvoltView& view = *activeFrame().circuitView();
    const CircuitPointer hand(view);
    const auto on = [this, &hand](const std::string& label) {
        for (const auto& element : activeDoc().components) {
            if (element->label == label) {
                return hand.grid((element->gridStart.x + element->gridFinish.x) / 2,
                                 (element->gridStart.y + element->gridFinish.y) / 2);
            }
        }
        return Point{};
    };
    QStringList replies;
    std::vector<std::size_t> treeBands;
    std::vector<bool> nextEnabled;
    QStringList pages;
    QStringList verdicts;
    WindowHand tutor({
        WindowHand::on<ChordIntroductionDialog>([](ChordIntroductionDialog* step) { press(step, QStringLiteral("Start")); }),
        WindowHand::on<ChordTreeDialog>([&](ChordTreeDialog* step) {
            const auto* reply = step->findChild<QLabel*>(QStringLiteral("replyText"));
            for (const char* label : {"E1", "R1", "R2", "R5"}) {
                hand.click(on(label));
                replies << reply->text();
                treeBands.push_back(view.loopCurrents().tree.size());
                nextEnabled.push_back(buttonNamed(step, QStringLiteral("Next"))->isEnabled());
            }
            press(step, QStringLiteral("Next"));
        }),
        WindowHand::on<ChordPageDialog>([&pages](ChordPageDialog* step) {
            pages << step->findChild<QLabel*>(QStringLiteral("pageText"))->text();
            press(step, QStringLiteral("Next"));
        }),
        WindowHand::on<ChordPageDialog>([](ChordPageDialog* step) { press(step, QStringLiteral("Next")); }),
        WindowHand::on<ChordPageDialog>([](ChordPageDialog* step) { press(step, QStringLiteral("Next")); }),
        WindowHand::on<ChordPageDialog>([](ChordPageDialog* step) { press(step, QStringLiteral("Next")); }),
        WindowHand::on<ChordPageDialog>([](ChordPageDialog* step) { press(step, QStringLiteral("Next")); }),
        write(QStringLiteral("30*I_R2 - 10*I_R3 + 10*I_R4 = 10"), verdicts, QStringLiteral("Next")),
        write(QStringLiteral("-10*I_R2 + 30*I_R3 - 15*I_R4 = 0"), verdicts, QStringLiteral("Next")),
        write(QStringLiteral("10*I_R2 - 15*I_R3 + 35*I_R4 = 10"), verdicts, QStringLiteral("Finish")),
    });
    clickMenuItem(*frame().menuBar(), QStringLiteral("Tutor"), action(ID_TUTOR_CHORD_CURRENT));

    EXPECT_TRUE(tutor.finished());
    EXPECT_TRUE(tutor.unexpected.isEmpty()) << tutor.unexpected.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(replies.size(), 4);
    EXPECT_EQ(replies[2], QStringLiteral("R2 would close a loop with R1 and E1, so it cannot be in the tree."));
    EXPECT_TRUE(replies[3].startsWith(QStringLiteral("R5 is in the tree.\n\nThe tree is complete"))) << replies[3].toStdString();
    EXPECT_EQ(treeBands, (std::vector<std::size_t>{1, 2, 2, 3}));
    EXPECT_EQ(nextEnabled, (std::vector<bool>{false, false, false, true}));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("The other branches are its chords: R2, R3 and R4.")));
    EXPECT_EQ(verdicts, QStringList({QStringLiteral("Right: this is the KVL equation of the loop of R2."),
                                     QStringLiteral("Right: this is the KVL equation of the loop of R3."),
                                     QStringLiteral("Right: this is the KVL equation of the loop of R4.")}));
    // Solved over E1, R1 and R5: by the node voltages, 6.353 V and 6.118 V at the ends of R5,
    // the chords carry 6.353/20, (10 − 6.118)/15 and 6.118/20 A.
    const LoopPicture& end = view.loopCurrents();
    EXPECT_EQ(end.tree.size(), 3u);
    ASSERT_EQ(end.currents.size(), 3u);
    const double expected[] = {0.3176470588, 0.2588235294, 0.3058823529};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(end.currents[k].name, "I_R" + std::to_string(k + 2));
        EXPECT_NEAR(std::abs(end.currents[k].amperes), expected[k], 1e-9) << end.currents[k].name;
    }
}

}  // namespace
}  // namespace kirvolt::testing
