#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "app/new_exercise_dialog.h"
#include "app_fixture.h"
#include "document/circuit_file.h"
#include "modal_answerer.h"

namespace kirvolt::testing {
namespace {

using NewExercise = AppFixture;

// Opens File on the menu bar and clicks New Exercise..., as the mouse would.
void clickNewExercise(CMainFrame& frame)
{
    QMenuBar* bar = frame.menuBar();
    QMenu* file = frame.shownMenus()[0];
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    QAction* item = nullptr;
    for (QAction* entry : file->actions()) {
        item = entry->text() == QStringLiteral("New Exerc&ise...") ? entry : item;
    }
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(item).center());
}

struct DialogAnswer {
    int downPresses;      // from Medium
    QString seed;         // typed over the one offered
    bool accept;
    QString offeredSeed;  // what the dialog showed
    QString counts;       // what it said the difficulty means, after the presses
    bool okEnabled = false;

    void operator()(QDialog* dialog)
    {
        auto* exercise = qobject_cast<NewExerciseDialog*>(dialog);
        ASSERT_NE(exercise, nullptr);
        auto* difficulty = dialog->findChild<QComboBox*>("difficulty");
        auto* field = dialog->findChild<QLineEdit*>("seed");
        offeredSeed = field->text();
        difficulty->setFocus();
        for (int k = 0; k < std::abs(downPresses); ++k) {
            QTest::keyClick(difficulty, downPresses > 0 ? Qt::Key_Down : Qt::Key_Up);
        }
        counts = dialog->findChild<QLabel*>("counts")->text();
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, seed);
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        okEnabled = ok->isEnabled();
        if (accept && okEnabled) {
            QTest::mouseClick(ok, Qt::LeftButton);
        } else {
            dialog->reject();
        }
    }
};

std::vector<std::uint8_t> exerciseBytes(std::uint64_t seed, const ExerciseCounts& counts)
{
    CKirvoltDoc doc;
    EXPECT_FALSE(drawExercise(seed, counts, doc));
    return circuitBytes(doc);
}

TEST_F(NewExercise, TheChosenDifficultyAndSeedOpenInANewUntitledWindow)
{
    struct Case {
        int downPresses;
        const char* seed;
        ExerciseCounts counts;
        const char* countsText;
    };
    const Case cases[] = {
        {-1, "7", {2, 1, 0}, "2 nodes besides the datum, 1 voltage source, 0 current sources"},
        {0, "4242", {3, 1, 1}, "3 nodes besides the datum, 1 voltage source, 1 current source"},
        {1, "18446744073709551615", {5, 2, 2}, "5 nodes besides the datum, 2 voltage sources, 2 current sources"},
    };
    std::size_t windows = frame().frames().size();
    for (const Case& c : cases) {
        ModalAnswerer answerer;
        DialogAnswer answer{c.downPresses, c.seed, true, {}, {}};
        answerer.onDialog = std::ref(answer);
        clickNewExercise(frame());
        EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('\n').toStdString();
        const bool offeredFiveDigits = answer.offeredSeed.size() <= 5 && answer.offeredSeed.toInt() >= 1;
        EXPECT_TRUE(offeredFiveDigits) << answer.offeredSeed.toStdString();
        EXPECT_EQ(answer.counts.toStdString(), c.countsText);
        ASSERT_EQ(frame().frames().size(), ++windows) << c.seed;

        OpenCircuit& circuit = activeFrame().circuit();
        EXPECT_EQ(circuit.title(), QStringLiteral("Exercise %1").arg(c.seed));
        EXPECT_TRUE(circuit.pathName().isEmpty());
        EXPECT_TRUE(circuit.doc().IsModified());
        EXPECT_FALSE(circuit.undoStack().canUndo());
        const std::vector<std::uint8_t> expected = exerciseBytes(std::stoull(c.seed), c.counts);
        EXPECT_EQ(circuitBytes(circuit.doc()), expected);
        EXPECT_EQ(frame().statusBar()->currentMessage(),
                  QStringLiteral("Exercise %1 (%2): find the voltage of every node and the current in every component.")
                      .arg(c.seed, c.countsText));
    }
}

TEST_F(NewExercise, CancelOrASeedThatIsNoNumberOpensNothing)
{
    const std::size_t windows = frame().frames().size();
    struct Case {
        const char* seed;
        bool accept;
        bool okEnabled;
    };
    for (const Case c : {Case{"12", false, true}, Case{"", true, false}, Case{"18446744073709551616", true, false}}) {
        ModalAnswerer answerer;
        DialogAnswer answer{0, c.seed, c.accept, {}, {}};
        answerer.onDialog = std::ref(answer);
        clickNewExercise(frame());
        EXPECT_EQ(answer.okEnabled, c.okEnabled) << c.seed;
        EXPECT_EQ(frame().frames().size(), windows) << c.seed;
    }
}

}  // namespace
}  // namespace kirvolt::testing
