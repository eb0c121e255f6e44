#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "support/modal_script.h"
#include "tutor/background_notes_dialog.h"
#include "tutoring/background_notes_text.h"
#include "tutor/datum_node_dialog.h"
#include "tutor/kcl_example_dialog.h"
#include "tutor/node_count_dialog.h"
#include "tutor/node_label_dialog.h"
#include "tutor/tutor_introduction_dialog.h"
#include "view/widgets/spin_edit.h"

namespace kirvolt {

using testing::MessageLog;
using testing::ModalScript;

namespace {

QPushButton* button(QWidget& window, const QString& text)
{
    for (QPushButton* candidate : window.findChildren<QPushButton*>()) {
        if (candidate->text() == text) {
            return candidate;
        }
    }
    return nullptr;
}

bool hasText(QWidget& window, const QString& text)
{
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text() == text) {
            return true;
        }
    }
    return false;
}

void typeInto(SpinEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QList<BackgroundNotesDialog*> openNotes()
{
    QList<BackgroundNotesDialog*> notes;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<BackgroundNotesDialog*>(window); found && found->isVisible()) {
            notes << found;
        }
    }
    return notes;
}

}  // namespace

class TutorDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void wrongCountsKeepStepOneOpenWithTheirHint_data();
    void wrongCountsKeepStepOneOpenWithTheirHint();
    void rightCountClosesStepOne();
    void countFieldRefusesTextThatIsNoCount();
    void spinArrowsChangeTheCount();
    void stepTwoWaitsForThePictureButton();
    void stepThreeWaitsForAChoiceAndExplainsIt();
    void introductionOpensAnotherNotesWindowEachTime();
    void introductionStartsOrReturns();
    void stepFourShowsTheWorkedExample();
    void tutorWindowsStandAtTheTopRightOfTheScreen();
    void messagesAreWarningBoxesCaptionedKirvolt();
    void notesAreBoxesWithoutAnIcon();
};

void TutorDialogsTest::wrongCountsKeepStepOneOpenWithTheirHint_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("distance");
    QTest::newRow("5") << "5" << "just less than ";
    QTest::newRow("6") << "6" << "slightly less than ";
    QTest::newRow("8") << "8" << "less than ";
    QTest::newRow("14") << "14" << "much less than ";
    QTest::newRow("3") << "3" << "just greater than ";
    QTest::newRow("1") << "1" << "slightly greater than ";
    QTest::newRow("0") << "0" << "greater than ";
}

void TutorDialogsTest::wrongCountsKeepStepOneOpenWithTheirHint()
{
    QFETCH(QString, typed);
    QFETCH(QString, distance);
    MessageLog log;
    NodeCountDialog step(4, nullptr, log.recorder());
    step.show();
    typeInto(step.findChild<SpinEdit*>(QStringLiteral("countEdit")), typed);
    QTest::mouseClick(button(step, QStringLiteral("Next")), Qt::LeftButton);

    QCOMPARE(log.texts, QStringList{QStringLiteral("Sorry,\n\nthe number of nodes\n\nin your circuit is ") + distance +
                                    typed + QStringLiteral(",\n\nplease check your circuit carefully\n\nand try again.")});
    QCOMPARE(log.kinds, QList<MessageKind>{MessageKind::Note});
    QVERIFY(step.isVisible());
    QCOMPARE(step.result(), int(QDialog::Rejected));
}

void TutorDialogsTest::rightCountClosesStepOne()
{
    MessageLog log;
    NodeCountDialog step(4, nullptr, log.recorder());
    step.show();
    typeInto(step.findChild<SpinEdit*>(QStringLiteral("countEdit")), QStringLiteral("4"));
    QTest::mouseClick(button(step, QStringLiteral("Next")), Qt::LeftButton);

    QCOMPARE(log.texts, QStringList{QStringLiteral(
                            "Terrific! You got it.\n\nThere are a total of  4 nodes in you circuit.\n\nThat means you "
                            "have to set up  3 node voltage equations.\n\nGo ahead with your analysis.")});
    QCOMPARE(log.kinds, QList<MessageKind>{MessageKind::Note});
    QVERIFY(!step.isVisible());
    QCOMPARE(step.result(), int(QDialog::Accepted));
}

// The field is read on every change; what is not a count from 0 to 99 is refused with the
// platform's message and the last good count stays.
void TutorDialogsTest::countFieldRefusesTextThatIsNoCount()
{
    MessageLog log;
    NodeCountDialog step(3, nullptr, log.recorder());
    step.show();
    auto* edit = step.findChild<SpinEdit*>(QStringLiteral("countEdit"));
    QCOMPARE(step.counted(), 1);
    QCOMPARE(edit->text(), QStringLiteral("1"));

    typeInto(edit, QStringLiteral("7x"));
    QCOMPARE(log.texts, QStringList{QStringLiteral("Please enter an integer.")});
    QCOMPARE(log.kinds, QList<MessageKind>{MessageKind::Failure});
    QCOMPARE(step.counted(), 7);

    log.texts.clear();
    typeInto(edit, QStringLiteral("150"));
    QCOMPARE(log.texts, QStringList{QStringLiteral("Please enter an integer between 0 and 99.")});
    QCOMPARE(step.counted(), 15);

    log.texts.clear();
    QTest::mouseClick(button(step, QStringLiteral("Next")), Qt::LeftButton);
    QCOMPARE(log.texts.size(), 1);
    QVERIFY(log.texts.first().endsWith(QStringLiteral("much less than 15,\n\nplease check your circuit carefully\n\n"
                                                      "and try again.")));
}

void TutorDialogsTest::spinArrowsChangeTheCount()
{
    MessageLog log;
    NodeCountDialog step(3, nullptr, log.recorder());
    step.show();
    auto* edit = step.findChild<SpinEdit*>(QStringLiteral("countEdit"));
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(edit->text(), QStringLiteral("3"));
    QCOMPARE(step.counted(), 3);
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(edit, Qt::Key_Down);
    }
    QCOMPARE(edit->text(), QStringLiteral("0"));
    typeInto(edit, QStringLiteral("99"));
    edit->stepBy(1);
    QCOMPARE(edit->text(), QStringLiteral("99"));
    QVERIFY(log.texts.isEmpty());

    // From a text that is no number the arrows go on from the last number.
    typeInto(edit, QStringLiteral("7x"));
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(edit->text(), QStringLiteral("8"));
    QCOMPARE(step.counted(), 8);
    QCOMPARE(log.texts, QStringList{QStringLiteral("Please enter an integer.")});
}

void TutorDialogsTest::stepTwoWaitsForThePictureButton()
{
    int shown = 0;
    NodeLabelDialog step([&shown] { ++shown; });
    step.show();
    QPushButton* next = button(step, QStringLiteral("Next"));
    auto* picture = step.findChild<QToolButton*>(QStringLiteral("pictureButton"));
    QCOMPARE(picture->text(), QStringLiteral("Click this button to assign the node numbers."));
    QVERIFY(!picture->icon().isNull());
    QVERIFY(!next->isEnabled());
    QVERIFY(hasText(step, QStringLiteral("\n\n          Label all the nodes.")));

    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(shown, 1);
    QVERIFY(next->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(step.result(), int(QDialog::Accepted));
}

void TutorDialogsTest::stepThreeWaitsForAChoiceAndExplainsIt()
{
    DatumNodeDialog step(DatumCandidates{{1, 2, 3}, {"1", "2", "3"}});
    step.show();
    QPushButton* next = button(step, QStringLiteral("Next"));
    auto* list = step.findChild<QListWidget*>(QStringLiteral("nodeList"));
    QCOMPARE(list->count(), 3);
    QVERIFY(!next->isEnabled());

    // Taking the focus makes an entry current but chooses nothing.
    list->setFocus();
    list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QVERIFY(!next->isEnabled());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QVERIFY(next->isEnabled());
    QCOMPARE(step.findChild<QLabel*>(QStringLiteral("chosenName"))->text(), QStringLiteral("1"));
    QCOMPARE(step.findChild<QLabel*>(QStringLiteral("otherNames"))->text(), QStringLiteral("2 , 3 "));
    QCOMPARE(step.findChild<QLabel*>(QStringLiteral("equationCount"))->text(), QStringLiteral("2"));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    QCOMPARE(step.findChild<QLabel*>(QStringLiteral("otherNames"))->text(), QStringLiteral("1 , 2 "));
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(step.result(), int(QDialog::Accepted));
    QCOMPARE(step.choice(), 2);
}

void TutorDialogsTest::introductionOpensAnotherNotesWindowEachTime()
{
    TutorIntroductionDialog introduction;
    introduction.show();
    QPushButton* notesButton = button(introduction, QStringLiteral("Background Notes"));
    QTest::mouseClick(notesButton, Qt::LeftButton);
    QTest::mouseClick(notesButton, Qt::LeftButton);

    const QList<BackgroundNotesDialog*> notes = openNotes();
    QCOMPARE(notes.size(), 2);
    for (BackgroundNotesDialog* window : notes) {
        QCOMPARE(window->windowTitle(), QStringLiteral("Nodal Analysis"));
        QVERIFY(hasText(*window, QStringLiteral("\nBackground notes")));
        auto* text = window->findChild<QPlainTextEdit*>(QStringLiteral("notesText"));
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->toPlainText(), QString::fromStdString(backgroundNotesText()));
        QVERIFY(!window->isModal());
        QTest::mouseClick(button(*window, QStringLiteral("Close")), Qt::LeftButton);
    }
    QVERIFY(openNotes().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TutorDialogsTest::introductionStartsOrReturns()
{
    for (const auto& [pressed, outcome] :
         {std::pair{QStringLiteral("Start"), QDialog::Accepted}, std::pair{QStringLiteral("Return"), QDialog::Rejected}}) {
        TutorIntroductionDialog introduction;
        QCOMPARE(introduction.windowTitle(), QStringLiteral("Nodal Analysis Tutor"));
        QVERIFY(hasText(introduction, QStringLiteral("There are four steps for the Nodal Voltage Analysis Method.")));
        QVERIFY(hasText(introduction, QStringLiteral("\n4  Steps")));
        QVERIFY(hasText(introduction, QStringLiteral("(1)  Count the number of\n       nodes in your circuit.")));
        QVERIFY(hasText(introduction, QStringLiteral("(4)   Write node voltage\n       equations using KCL.")));
        ModalScript script({[&pressed](QWidget* window) { button(*window, pressed)->click(); }});
        QCOMPARE(introduction.exec(), int(outcome));
        QVERIFY(script.finished());
    }
}

void TutorDialogsTest::stepFourShowsTheWorkedExample()
{
    KclExampleDialog step;
    QVERIFY(hasText(step, QStringLiteral("        (Va-Vb)         (Va-Vc)   \n=>    -----------   +    -----------   "
                                         "=  J1\n             R1                 R2")));
    QVERIFY(hasText(step, QStringLiteral("For Node 'a' shown above:\nSum of Current flowing out from resistors R1 and "
                                         "R2 = Current  flowing in from the source J1,")));
    QVERIFY(!step.findChild<QLabel*>(QStringLiteral("nodeDiagram"))->pixmap().isNull());
    QCOMPARE(step.findChildren<QPushButton*>().size(), 1);
    ModalScript script({[](QWidget* window) { button(*window, QStringLiteral("Finish"))->click(); }});
    QCOMPARE(step.exec(), int(QDialog::Accepted));
}

void TutorDialogsTest::tutorWindowsStandAtTheTopRightOfTheScreen()
{
    NodeLabelDialog step([] {});
    step.show();
    const QRect available = step.screen()->availableGeometry();
    const QRect frame = step.frameGeometry();
    QCOMPARE(frame.top(), available.top());
    QVERIFY(frame.left() >= available.left());
    // 500 dialog units lie beyond the right edge of this screen, so the window keeps to it.
    QCOMPARE(frame.right(), available.right());
}

void TutorDialogsTest::messagesAreWarningBoxesCaptionedKirvolt()
{
    ModalScript script({[](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Kirvolt"));
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(box->text(), QStringLiteral("Please enter an integer."));
        QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        box->button(QMessageBox::Ok)->click();
    }});
    showKirvoltMessage(nullptr, QStringLiteral("Please enter an integer."));
    QVERIFY(script.finished());
}

void TutorDialogsTest::notesAreBoxesWithoutAnIcon()
{
    ModalScript script({[](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Kirvolt"));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        box->button(QMessageBox::Ok)->click();
    }});
    showKirvoltMessage(nullptr, QStringLiteral("Terrific! You got it."), MessageKind::Note);
    QVERIFY(script.finished());
}

}  // namespace kirvolt

QTEST_MAIN(kirvolt::TutorDialogsTest)
#include "tutor_dialogs_test.moc"
