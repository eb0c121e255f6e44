#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "modal_closer.h"
#include "view/dialogs/component_info_dialog.h"
#include "view/widgets/dialog_units.h"
#include "view/dialogs/edit_component_dialog.h"
#include "view/dialogs/edit_node_name_dialog.h"
#include "view/dialogs/node_equations_dialog.h"
#include "view/dialogs/node_info_dialog.h"

namespace kirvolt {
namespace {

QStringList labelTexts(const QWidget& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts;
}

QStringList boxTexts(const QWidget& dialog)
{
    QStringList texts;
    for (const QLineEdit* box : dialog.findChildren<QLineEdit*>()) {
        texts << box->text();
    }
    return texts;
}

QPushButton* button(const QWidget& dialog, QDialogButtonBox::StandardButton which)
{
    return dialog.findChild<QDialogButtonBox*>()->button(which);
}

// Types as a keyboard would; characters beyond ASCII come as key events carrying their text,
// the way an input method delivers them.
void typeText(QWidget* target, const QString& text)
{
    for (const QChar character : text) {
        if (character.unicode() < 128) {
            QTest::keyClicks(target, QString(character));
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QApplication::sendEvent(target, &press);
        }
    }
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void componentPropertiesShowEveryRowWithUnits();
    void nodePropertiesShowNameAndVoltage();
    void editRefusesAValueThatIsNoNumber();
    void editGivesBackWhatWasEntered();
    void editReadsEngineeringSuffixesAndTheUnit_data();
    void editReadsEngineeringSuffixesAndTheUnit();
    void untouchedEditKeepsTheExactValue();
    void nodeNameEditGivesBackTheNewName();
    void nodeEquationsDialogStandsWhereItsDialogUnitsSay();
};

void DialogsTest::componentPropertiesShowEveryRowWithUnits()
{
    const ComponentProperties p{"Resistor47", 4700, "ohm", "in", "error", 12, 2.5, 1.0 / 3.0, -9.5e-7};
    ComponentInfoDialog dialog(p);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Component Property"));
    const QStringList labels{"Name:", "Value:", "Start Node:", "Finish Node:", "Start Node Voltage:",
                             "Finish Node Voltage:", "Current:\n(Start->Finish)", "p.d.(Start-\nFinish):"};
    QCOMPARE(labelTexts(dialog), labels);
    const QStringList boxes{"Resistor47", "4700", "ohm", "in", "error", "12", "V", "2.5", "V",
                            "0.333333333333333", "A", "-9.5e-07", "V"};
    QCOMPARE(boxTexts(dialog), boxes);
    for (const QLineEdit* box : dialog.findChildren<QLineEdit*>()) {
        QVERIFY(box->isReadOnly());
    }
    QVERIFY(button(dialog, QDialogButtonBox::Ok) != nullptr);
    QVERIFY(button(dialog, QDialogButtonBox::Cancel) == nullptr);
}

void DialogsTest::nodePropertiesShowNameAndVoltage()
{
    NodeInfoDialog dialog(NodeProperties{"3", 7.25});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Component Property"));
    QCOMPARE(labelTexts(dialog), (QStringList{"Node Name:", "Node Voltage:"}));
    QCOMPARE(boxTexts(dialog), (QStringList{"3", "7.25", "V"}));
}

void DialogsTest::editRefusesAValueThatIsNoNumber()
{
    const QString resistance = QString::fromUtf8(RESISTANCE_RULE.data(), qsizetype(RESISTANCE_RULE.size()));
    const struct {
        const char* unit;
        const char* typed;
        QString message;
    } refused[] = {
        {"V", "twelve", QStringLiteral("Please enter a number.")},
        {"V", "", QStringLiteral("Please enter a number.")},
        {"V", "inf", QStringLiteral("Please enter a number.")},
        {"V", "12 A", QStringLiteral("\"12 A\" is in A, but this value is in V.")},
        {"V", "10 mA", QStringLiteral("\"10 mA\" is in A, but this value is in V.")},
        {"A", "2R2", QStringLiteral("\"2R2\" is in ohm, but this value is in A.")},
        {"ohm", "0", resistance},
        {"ohm", "-4k7", resistance},
    };
    for (const auto& c : refused) {
        EditComponentDialog dialog(NameAndValue{"X1", 5}, QString::fromLatin1(c.unit));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Component "));
        QCOMPARE(labelTexts(dialog), (QStringList{"Name:", "Value:"}));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.valueBox()->selectAll();
        QTest::keyClicks(dialog.valueBox(), QString::fromLatin1(c.typed));
        if (*c.typed == '\0') {
            QTest::keyClick(dialog.valueBox(), Qt::Key_Delete);
        }
        QString text, caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        testing::ModalCloser closer([&](QWidget* modal) { testing::acceptMessageBox(modal, text, caption, icon); });
        button(dialog, QDialogButtonBox::Ok)->click();
        QCOMPARE(closer.handled(), 1);
        QCOMPARE(text, c.message);
        QCOMPARE(caption, QStringLiteral("Kirvolt"));
        QCOMPARE(icon, QMessageBox::Warning);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.focusWidget(), dialog.valueBox());
    }
}

void DialogsTest::editGivesBackWhatWasEntered()
{
    EditComponentDialog dialog(NameAndValue{"R1", 100}, QStringLiteral("ohm"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.valueBox()->text(), QStringLiteral("100"));
    dialog.nameBox()->selectAll();
    QTest::keyClicks(dialog.nameBox(), QStringLiteral("Rload"));
    dialog.valueBox()->selectAll();
    QTest::keyClicks(dialog.valueBox(), QStringLiteral(" 4.7e3 "));
    button(dialog, QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(dialog.entered().name), QStringLiteral("Rload"));
    QCOMPARE(dialog.entered().value, 4700.0);
}

void DialogsTest::editReadsEngineeringSuffixesAndTheUnit_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::newRow("kilo") << "ohm" << "4.7k" << 4700.0;
    QTest::newRow("mega") << "ohm" << "2.2M" << 2200000.0;
    QTest::newRow("ohm") << "ohm" << "470 ohm" << 470.0;
    QTest::newRow("omega") << "ohm" << QStringLiteral("470 \u03A9") << 470.0;
    QTest::newRow("milliampere") << "A" << "10 mA" << 0.01;
    QTest::newRow("volt") << "V" << "1.5 V" << 1.5;
    QTest::newRow("kilo as the point") << "ohm" << "4k7" << 4700.0;
    QTest::newRow("R as the point") << "ohm" << "2R2" << 2.2;
    QTest::newRow("R as the unit") << "ohm" << "470R" << 470.0;
    QTest::newRow("milli as the point") << "A" << "4m7" << 0.0047;
}

void DialogsTest::editReadsEngineeringSuffixesAndTheUnit()
{
    QFETCH(QString, unit);
    QFETCH(QString, typed);
    QFETCH(double, value);
    EditComponentDialog dialog(NameAndValue{"X1", 1}, unit);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.valueBox()->selectAll();
    typeText(dialog.valueBox(), typed);
    QCOMPARE(dialog.valueBox()->text(), typed);
    button(dialog, QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.entered().value, value);
}

void DialogsTest::untouchedEditKeepsTheExactValue()
{
    const double value = 0.1 + 0.2;  // 17 significant digits; the box shows 15
    EditComponentDialog dialog(NameAndValue{"J1", value}, QStringLiteral("A"));
    QCOMPARE(dialog.valueBox()->text(), QStringLiteral("0.3"));
    dialog.accept();
    QCOMPARE(dialog.entered().value, value);
    QCOMPARE(dialog.entered().name, std::string("J1"));

    // A fresh resistor renamed before it has a value: the untouched 0 refuses nothing.
    EditComponentDialog fresh(NameAndValue{"R1", 0.0}, QStringLiteral("ohm"));
    fresh.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fresh));
    fresh.nameBox()->selectAll();
    QTest::keyClicks(fresh.nameBox(), QStringLiteral("Rload"));
    button(fresh, QDialogButtonBox::Ok)->click();
    QCOMPARE(fresh.result(), int(QDialog::Accepted));
    QCOMPARE(fresh.entered().name, std::string("Rload"));
}

void DialogsTest::nodeNameEditGivesBackTheNewName()
{
    EditNodeNameDialog dialog("3");
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Node Name"));
    QCOMPARE(labelTexts(dialog), QStringList{"Node Name:"});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.nameBox()->selectAll();
    QTest::keyClicks(dialog.nameBox(), QStringLiteral("a"));
    QCOMPARE(dialog.entered(), std::string("a"));
    QVERIFY(button(dialog, QDialogButtonBox::Cancel) != nullptr);
}

void DialogsTest::nodeEquationsDialogStandsWhereItsDialogUnitsSay()
{
    NodeEquationTexts texts{NodeEquationTexts::Of::node, "2", "1",
                            {"(V2 - V1)/R1 + (V2 - V3)/R2 = 0", "line two", "line three",
                             "line four " + std::string(300, 'x') + " end", "V2 =   5.00 Volt."}};
    NodeEquationsDialog dialog(texts);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Nodal Analysis : Node Equations"));
    const DialogUnits units(dialog.font());
    QCOMPARE(dialog.size(), QSize(units.x(404), units.y(72)));
    // 500 pixels down the screen, raised just enough to show the whole dialog.
    const QRect available = dialog.screen()->availableGeometry();
    const QRect frame = dialog.frameGeometry();
    QVERIFY(available.contains(frame));
    QCOMPARE(frame.left(), available.left());
    QCOMPARE(frame.top(), std::min(500, available.bottom() + 1 - frame.height()));

    QCOMPARE(dialog.nodeNameBox()->text(), QStringLiteral("2"));
    QCOMPARE(dialog.nodeNameBox()->geometry(), units.rect(70, 0, 15, 12));
    QVERIFY(!dialog.nodeNameBox()->isEnabled());
    QCOMPARE(dialog.datumNameBox()->text(), QStringLiteral("1"));
    QCOMPARE(dialog.datumNameBox()->geometry(), units.rect(215, 0, 16, 12));
    QCOMPARE(dialog.lineBox(0)->geometry(), units.rect(10, 12, 378, 12));
    QVERIFY(!dialog.lineBox(0)->hasFrame());
    for (int k = 1; k <= 4; ++k) {
        QLineEdit* box = dialog.lineBox(k);
        QCOMPARE(box->text(), QString::fromStdString(texts.lines[static_cast<std::size_t>(k)]));
        QCOMPARE(box->geometry(), units.rect(35, 15 + 10 * k, 310, 12));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->cursorPosition(), 0);  // a long line shows its start and scrolls sideways
        // Where a box overlaps the next, the upper one's text stays in sight.
        const QPoint bottom(box->geometry().center().x(), box->geometry().bottom() - 1);
        QCOMPARE(dialog.childAt(bottom), box);
    }
    const QStringList labels{"Equation for Node", ":-", "( Selected Datumn Node  =  Node",
                             ", voltage at this node is taken as zero. )", "=>", "=>", "=>", "=>"};
    QCOMPARE(labelTexts(dialog), labels);

    auto* ok = dialog.findChild<QPushButton*>();
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->geometry(), units.rect(355, 45, 30, 14));
    ok->click();
    QVERIFY(!dialog.isVisible());
}

}  // namespace kirvolt

QTEST_MAIN(kirvolt::DialogsTest)
#include "dialogs_test.moc"
