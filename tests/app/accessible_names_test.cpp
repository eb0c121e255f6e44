#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

#include "app/app_command_ids.h"
#include "app_fixture.h"
#include "document/reading_order.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "support/sample_circuits.h"
#include "view/circuit_view.h"

namespace kirvolt::testing {
namespace {

using AccessibleNames = AppFixture;

bool takesInput(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::PageTab:
    case QAccessible::Table:
    case QAccessible::List:
    case QAccessible::Canvas:
    case QAccessible::Dialog:
    case QAccessible::Window:
        return true;
    default:
        return false;
    }
}

// Every control a user can reach, under the interface, that a screen reader could not name.
void collectUnnamed(QAccessibleInterface* node, QStringList& unnamed, int depth = 0)
{
    if (node == nullptr || depth > 40 || node->state().invisible) {
        return;
    }
    if (takesInput(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty() && node->object() != nullptr) {
        unnamed << QString::fromLatin1(node->object()->metaObject()->className()) + u'/' + node->object()->objectName();
    }
    for (int i = 0; i < node->childCount(); ++i) {
        collectUnnamed(node->child(i), unnamed, depth + 1);
    }
}

// The main window, its circuit and the windows the keys open all name every control.
TEST_F(AccessibleNames, EveryControlOfTheMainWindowAndItsDialogsHasAName)
{
    buildVoltageDivider(activeDoc());
    activeDoc().UpdateAllViews();
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(&frame()), unnamed);
    for (QAction* command : static_cast<QWidget&>(frame()).actions()) {
        if (!command->isSeparator() && command->text().remove(u'&').trimmed().isEmpty()) {
            unnamed << QStringLiteral("action ") + command->data().toString();
        }
    }
    ModalAnswerer answerer;
    answerer.onDialog = [&unnamed](QDialog* dialog) {
        collectUnnamed(QAccessible::queryAccessibleInterface(dialog), unnamed);
        dialog->reject();
    };
    for (const int id : {ID_APP_ABOUT, ID_HELP_DESCRIBE_CIRCUIT, ID_FILE_NEW_EXERCISE, ID_PRINT_SCALE,
                         ID_ANALYSE_THEVENIN, ID_VIEW_MATRIX_FORM, ID_VIEW_FORMULAS}) {
        trigger(id);
        settle();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != &frame() && window->isVisible()) {
                collectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
                window->close();
            }
        }
        settle();
    }
    // The value dialog, opened by Enter on the element the keys rest on.
    CKirvoltView& view = *activeFrame().circuitView();
    trigger(ID_DRAW_SELECT);
    QTest::keyClick(&view, Qt::Key_Tab);
    QTest::keyClick(&view, Qt::Key_Tab);
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
}

// What the spoken number before the unit says, or NaN when the text says none.
double spokenNumber(const QString& text, const QString& before, const QString& unit)
{
    const QRegularExpression spoken(QRegularExpression::escape(before) +
                                    QStringLiteral(" (minus )?([0-9.]+) (pico|nano|micro|milli|kilo|mega|giga|tera)?") + unit);
    const QRegularExpressionMatch m = spoken.match(text);
    if (!m.hasMatch()) {
        return std::nan("");
    }
    const QStringList prefixes{"pico", "nano", "micro", "milli", "", "kilo", "mega", "giga", "tera"};
    const int exponent = (static_cast<int>(prefixes.indexOf(m.captured(3))) - 4) * 3;
    return (m.captured(1).isEmpty() ? 1 : -1) * m.captured(2).toDouble() * std::pow(10.0, exponent);
}

bool agrees(double told, double held)
{
    return std::fabs(told - held) <= 0.005 * std::fabs(held) + 1e-12;
}

// Each example analysed: the drawing's children are its elements and joints in reading order,
// each telling the p.d. and current its record holds, to three digits.
TEST_F(AccessibleNames, TheDrawingsChildrenTellEveryExamplesNumbers)
{
    const QDir examples(QStringLiteral(KIRVOLT_EXAMPLES_DIR));
    int told = 0;
    for (const QString& name : examples.entryList({QStringLiteral("*.kvt")})) {
        ASSERT_NE(app->OpenExample(examples.filePath(name)), nullptr) << name.toStdString();
        ModalAnswerer answerer;
        trigger(ID_ANALYSE_NODE_VOLTAGE);
        CKirvoltDoc& doc = activeDoc();
        QAccessibleInterface* drawing = QAccessible::queryAccessibleInterface(activeFrame().circuitView());
        const std::vector<const CComponent*> order = readingOrder(doc);
        ASSERT_EQ(drawing->childCount(), static_cast<int>(order.size())) << name.toStdString();
        for (int i = 0; i < drawing->childCount(); ++i) {
            const CComponent& record = *order[static_cast<std::size_t>(i)];
            const QString description = drawing->child(i)->text(QAccessible::Description);
            const std::string where = name.toStdString() + " " + description.toStdString();
            if (record.kindCode != KIND_JOINT) {
                EXPECT_TRUE(description.startsWith(QString::fromStdString(record.label) + u',')) << where;
            }
            if (!doc.resultsAreCurrent() || !isAnalysedBranchKind(record.kindCode)) {
                EXPECT_FALSE(description.contains(QStringLiteral("p.d."))) << where;
                continue;
            }
            EXPECT_TRUE(agrees(spokenNumber(description, QStringLiteral("p.d."), QStringLiteral("volt")), record.pd)) << where;
            EXPECT_TRUE(agrees(spokenNumber(description, QStringLiteral("current"), QStringLiteral("ampere")), record.current))
                << where;
            ++told;
        }
    }
    EXPECT_GT(told, 40);
}

}  // namespace
}  // namespace kirvolt::testing
