#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/app_command_ids.h"
#include "app/thevenin_question_dialog.h"
#include "app_fixture.h"
#include "modal_answerer.h"
#include "support/sample_circuits.h"

namespace kirvolt::testing {
namespace {

using TheoremWindows = AppFixture;

QWidget* topLevel(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

// The pictures each window draws: a title, and a drawing or why there is none.
QStringList pictureTitles(const QWidget& window, bool& allDrawn)
{
    QStringList titles;
    allDrawn = true;
    for (const QGroupBox* box : window.findChildren<QGroupBox*>()) {
        titles << box->title();
        const auto* picture = box->findChild<QLabel*>("picture");
        allDrawn = allDrawn && picture != nullptr && !picture->pixmap().isNull();
    }
    return titles;
}

// 12 V through 10 ohm into R2, 20 ohm: seen by R2 the circuit is 12 V behind 10 ohm.
TEST_F(TheoremWindows, TheveninSeenByTheResistorAStudentChooses)
{
    buildVoltageDivider(activeDoc());
    ModalAnswerer answerer;
    int asked = 0;
    answerer.onDialog = [&asked](QDialog* dialog) {
        ++asked;
        ASSERT_TRUE(qobject_cast<TheveninQuestionDialog*>(dialog));
        auto* load = dialog->findChild<QComboBox*>("load");
        load->setFocus();
        QTest::keyClick(load, Qt::Key_Down);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    };
    trigger(ID_ANALYSE_THEVENIN);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('\n').toStdString();
    QWidget* window = topLevel("theveninWindow");
    ASSERT_NE(window, nullptr);
    const QString text = window->findChild<QPlainTextEdit*>("workedText")->toPlainText();
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("Th\xC3\xA9venin and Norton equivalents as seen by R2, between nodes"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("in series with Rth = 10.00 \xCE\xA9."))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Norton equivalent: In = 1.20 A into "))) << text.toStdString();
    bool drawn = false;
    EXPECT_EQ(pictureTitles(*window, drawn), QStringList({QString::fromUtf8("Th\xC3\xA9venin equivalent"), "Norton equivalent"}));
    EXPECT_TRUE(drawn);
    const auto captions = window->findChildren<QLabel*>("caption");
    ASSERT_EQ(captions.size(), 2);
    EXPECT_TRUE(text.endsWith(captions[0]->text() + "\n" + captions[1]->text()));
    EXPECT_TRUE(captions[1]->text().startsWith(QStringLiteral("Norton equivalent: In = 1.20 A into ")));
    window->close();
}

TEST_F(TheoremWindows, SuperpositionDrawsEachPartAndAddsThem)
{
    buildVoltageDivider(activeDoc());
    ModalAnswerer answerer;
    trigger(ID_ANALYSE_SUPERPOSITION);
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('\n').toStdString();
    QWidget* window = topLevel("superpositionWindow");
    ASSERT_NE(window, nullptr);
    bool drawn = false;
    EXPECT_EQ(pictureTitles(*window, drawn), QStringList({"Part 1: E1 alone"}));
    EXPECT_TRUE(drawn);
    const QString text = window->findChild<QPlainTextEdit*>("workedText")->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("  R2: p.d. 8.00 V = 8.00 V   (full analysis: 8.00 V)"))) << text.toStdString();
    window->close();
}

}  // namespace
}  // namespace kirvolt::testing
