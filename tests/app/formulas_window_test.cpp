#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include "app/app_command_ids.h"
#include "app_fixture.h"
#include "formulas/node_formulas.h"
#include "modal_answerer.h"
#include "support/generated_circuits.h"
#include "support/sample_circuits.h"

namespace kirvolt::testing {
namespace {

using FormulasWindow = AppFixture;

QWidget* shownFormulas()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("formulasWindow") && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

// Opens View on the menu bar and clicks Formulas, as the mouse would.
void clickFormulas(CMainFrame& frame)
{
    QMenuBar* bar = frame.menuBar();
    QMenu* view = frame.shownMenus()[2];
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(view->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    QAction* item = nullptr;
    for (QAction* entry : view->actions()) {
        item = entry->text() == QStringLiteral("&Formulas") ? entry : item;
    }
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(view, Qt::LeftButton, {}, view->actionGeometry(item).center());
}

#ifdef KIRVOLT_WITH_GINAC

// 12 V over 10 ohm and 20 ohm in series, the datum at the source's positive end: the middle
// node sits 12 * 10 / 30 = 4 V below it.
TEST_F(FormulasWindow, TheViewMenuShowsEveryNodeVoltageAsAFormulaWithItsValue)
{
    buildVoltageDivider(activeDoc());
    ModalAnswerer answerer;
    clickFormulas(frame());
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('\n').toStdString();
    EXPECT_TRUE(activeDoc().resultsAreCurrent());
    QWidget* window = shownFormulas();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Formulas"));
    const auto* text = window->findChild<QPlainTextEdit*>("formulasText");
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->toPlainText(), QStringLiteral("V1 = 0 = 0.00 V\nV2 = -E1*R1/(R1+R2) = -4.00 V\nV3 = -E1 = -12.00 V"))
        << text->toPlainText().toStdString();
    window->close();
}

TEST_F(FormulasWindow, ACircuitBeyondTheLimitGetsTheSentenceInstead)
{
    drawLadder(activeDoc(), MOST_FORMULA_UNKNOWNS + 1);
    ModalAnswerer answerer;
    clickFormulas(frame());
    EXPECT_EQ(answerer.texts, QStringList{"Formulas are worked out for circuits of at most 6 unknowns; this one has 7."});
    EXPECT_EQ(answerer.captions, QStringList{"Kirvolt"});
    EXPECT_EQ(shownFormulas(), nullptr);
}

#else

TEST_F(FormulasWindow, ABuildWithoutGinacSaysThatFormulasNeedIt)
{
    buildVoltageDivider(activeDoc());
    ModalAnswerer answerer;
    clickFormulas(frame());
    EXPECT_EQ(answerer.texts, QStringList{"Formulas need GiNaC, the library for symbolic algebra (Debian's libginac-dev), "
                                          "and this Kirvolt was built without it."});
    EXPECT_EQ(shownFormulas(), nullptr);
}

#endif

}  // namespace
}  // namespace kirvolt::testing
