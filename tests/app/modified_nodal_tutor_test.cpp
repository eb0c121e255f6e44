#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "app_fixture.h"
#include "tutor_hand.h"
#include "support/modal_script.h"
#include "support/sample_circuits.h"
#include "view/circuit_view.h"

namespace kirvolt::testing {
namespace {

using ModifiedNodalTutorCommand = AppFixture;

// G | b as the window shows it, the highlighted entries in brackets, rows by "; ".
QString tableText(const QTableWidget* table)
{
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            cells << (item->font().bold() ? "[" + item->text() + "]" : item->text());
        }
        rows << table->verticalHeaderItem(r)->text() + ": " + cells.join(' ');
    }
    return rows.join(QStringLiteral("; "));
}

QString headings(const QTableWidget* table)
{
    QStringList texts;
    for (int c = 0; c < table->columnCount(); ++c) {
        texts << table->horizontalHeaderItem(c)->text();
    }
    return texts.join(' ');
}

// The voltage divider from the Tutor menu to the last window, each button pressed with the
// mouse: the notes, the unknowns, R1, R2 and E1 added one by one, the solution.
TEST_F(ModifiedNodalTutorCommand, DividerFromTheTutorMenuToTheEnd)
{
    buildVoltageDivider(activeDoc());
    const CKirvoltView* view = activeFrame().circuitView();
    QStringList titles;
    QStringList pageTexts;
    QStringList tables;
    QStringList marked;
    int changedBackgrounds = 0;
    const auto page = [&](const QString& button) {
        return [&, button](QWidget* window) {
            titles << window->windowTitle();
            pageTexts << window->findChild<QLabel*>(QStringLiteral("pageText"))->text();
            const auto* table = window->findChild<QTableWidget*>(QStringLiteral("system"));
            ASSERT_NE(table, nullptr);
            tables << headings(table) + " | " + tableText(table);
            for (int r = 0; r < table->rowCount(); ++r) {
                for (int c = 0; c < table->columnCount(); ++c) {
                    changedBackgrounds += table->item(r, c)->background().style() != Qt::NoBrush &&
                                          titles.size() == 3;  // the page of E1
                }
            }
            QString red;
            for (const auto& c : activeDoc().components) {
                red += view->highlight() && view->highlight()->isRed(*c) ? QString::fromStdString(c->label) : QString();
            }
            marked << red;
            press(window, button);
        };
    };
    ModalScript script({
        [&](QWidget* window) {
            titles << window->windowTitle();
            press(window, QStringLiteral("Start"));
        },
        page(QStringLiteral("Next")),
        page(QStringLiteral("Next")),
        page(QStringLiteral("Next")),
        page(QStringLiteral("Next")),
        page(QStringLiteral("Finish")),
    });
    QMenuBar* bar = frame().menuBar();
    QAction* tutorMenu = nullptr;
    for (QAction* entry : bar->actions()) {
        tutorMenu = entry->text() == QStringLiteral("&Tutor") ? entry : tutorMenu;
    }
    ASSERT_NE(tutorMenu, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(tutorMenu).center());
    QMenu* menu = tutorMenu->menu();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    QAction* item = nullptr;
    for (QAction* entry : menu->actions()) {
        item = entry->text() == QStringLiteral("Modified Nodal Analysis Tutor") ? entry : item;
    }
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());

    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(script.unexpected.isEmpty()) << script.unexpected.join(',').toStdString();
    ASSERT_EQ(titles.size(), 6);
    EXPECT_EQ(titles[0], QStringLiteral("Modified Nodal Analysis"));
    for (int k = 1; k < titles.size(); ++k) {
        EXPECT_EQ(titles[k], QStringLiteral("Modified Nodal Analysis Tutor"));
    }
    EXPECT_EQ(marked, (QStringList{"", "E1", "R1", "R2", ""}));
    // The datum is node 1, at E1's + terminal, where the divider's first joint is.
    const QStringList expectedTables = {
        "V2 V3 I(E1) b | Node 2: 0 0 0 0; Node 3: 0 0 0 0; E1: 0 0 0 0",
        "V2 V3 I(E1) b | Node 2: 0 0 0 0; Node 3: 0 0 [-1.000] 0; E1: 0 [-1.000] 0 [12.00]",
        "V2 V3 I(E1) b | Node 2: [0.1000] 0 0 0; Node 3: 0 0 -1.000 0; E1: 0 -1.000 0 12.00",
        "V2 V3 I(E1) b | Node 2: [0.1500] [-0.0500] 0 0; Node 3: [-0.0500] [0.0500] -1.000 0; E1: 0 -1.000 0 12.00",
        "V2 V3 I(E1) b | Node 2: 0.1500 -0.0500 0 0; Node 3: -0.0500 0.0500 -1.000 0; E1: 0 -1.000 0 12.00",
    };
    EXPECT_EQ(tables, expectedTables);
    ASSERT_EQ(pageTexts.size(), 5);
    EXPECT_TRUE(pageTexts[4].contains(QStringLiteral("V2 = -4.00 V\n    V3 = -12.00 V\n    I(E1) = -0.40 A")))
        << pageTexts[4].toStdString();
    EXPECT_EQ(changedBackgrounds, 3);
    EXPECT_EQ(view->highlight(), nullptr);
}

}  // namespace
}  // namespace kirvolt::testing
