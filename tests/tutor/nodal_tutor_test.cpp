#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "support/modal_script.h"
#include "support/recording_port.h"
#include "support/sample_circuits.h"
#include "tutoring/current_loop.h"
#include "tutor/datum_node_dialog.h"
#include "tutor/kcl_example_dialog.h"
#include "tutor/nodal_tutor.h"
#include "tutor/node_count_dialog.h"
#include "tutor/node_label_dialog.h"
#include "tutor/tutor_introduction_dialog.h"
#include "view/widgets/spin_edit.h"

namespace kirvolt {

using testing::MessageLog;
using testing::ModalScript;
using testing::RecordingPort;

namespace {

QPushButton* button(QWidget* window, const QString& text)
{
    for (QPushButton* candidate : window->findChildren<QPushButton*>()) {
        if (candidate->text() == text) {
            return candidate;
        }
    }
    return nullptr;
}

QString labelText(QWidget* window, const char* name)
{
    return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

void selectFirstNode(QWidget* window)
{
    auto* list = window->findChild<QListWidget*>(QStringLiteral("nodeList"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
}

// Steps that only press through a window of the expected kind.
template <typename Window>
ModalScript::Step press(const QString& text)
{
    return [text](QWidget* window) {
        QVERIFY(qobject_cast<Window*>(window));
        button(window, text)->click();
    };
}

ModalScript::Step labelTheNodes()
{
    return [](QWidget* window) {
        QVERIFY(qobject_cast<NodeLabelDialog*>(window));
        window->findChild<QToolButton*>(QStringLiteral("pictureButton"))->click();
        button(window, QStringLiteral("Next"))->click();
    };
}

ModalScript::Step countRightly(int nodeCount)
{
    return [nodeCount](QWidget* window) {
        auto* edit = window->findChild<SpinEdit*>(QStringLiteral("countEdit"));
        edit->selectAll();
        QTest::keyClicks(edit, QString::number(nodeCount));
        button(window, QStringLiteral("Next"))->click();
    };
}

double nodeVoltage(const CKirvoltDoc& doc, int node)
{
    for (const auto& c : doc.components) {
        if (c->kindCode == KIND_JOINT && c->startNode == node) {
            return c->startVoltage;
        }
    }
    return -1.0;
}

}  // namespace

class NodalTutorTest : public QObject {
    Q_OBJECT

private slots:

    void studentCountsUntilRightAndFinishesWithTheProgramsEquations();
    void stepThreeNamesTheOtherNodesOfAThreeNodeCircuit();
    void cancelInStepTwoHidesTheNodeNumbersAgain();
    void refusedCircuitOpensNoTutorWindow();
};

void NodalTutorTest::studentCountsUntilRightAndFinishesWithTheProgramsEquations()
{
    CKirvoltDoc doc;
    RecordingPort port;
    doc.setPort(&port);
    testing::buildCurrentLoop(doc);
    MessageLog log;
    const QStringList wrongCounts{"5", "6", "8", "14", "3", "1", "0"};
    const QStringList distances{"just less than ",    "slightly less than ",    "less than ",   "much less than ",
                                "just greater than ", "slightly greater than ", "greater than "};
    bool numbersHiddenWhileCounting = false;
    bool nextWaitedForPicture = false;
    bool nextWaitedForChoice = false;
    QStringList stepThreeTexts;

    ModalScript script({
        press<TutorIntroductionDialog>(QStringLiteral("Start")),
        [&](QWidget* window) {
            QVERIFY(qobject_cast<NodeCountDialog*>(window));
            numbersHiddenWhileCounting = doc.display().showNodeNumbers == 0;
            auto* edit = window->findChild<SpinEdit*>(QStringLiteral("countEdit"));
            for (const QString& count : wrongCounts) {
                edit->selectAll();
                QTest::keyClicks(edit, count);
                button(window, QStringLiteral("Next"))->click();
                QVERIFY(window->isVisible());
            }
            countRightly(4)(window);
        },
        [&](QWidget* window) {
            nextWaitedForPicture = !button(window, QStringLiteral("Next"))->isEnabled();
            labelTheNodes()(window);
        },
        [&](QWidget* window) {
            nextWaitedForChoice = !button(window, QStringLiteral("Next"))->isEnabled();
            selectFirstNode(window);
            stepThreeTexts << labelText(window, "chosenName") << labelText(window, "otherNames")
                           << labelText(window, "equationCount");
            button(window, QStringLiteral("Next"))->click();
        },
        press<KclExampleDialog>(QStringLiteral("Finish")),
    });
    runNodalAnalysisTutor(doc, nullptr, log.recorder());

    QVERIFY(script.finished());
    QVERIFY(script.unexpected.isEmpty());
    QVERIFY(numbersHiddenWhileCounting);
    QCOMPARE(log.texts.size(), wrongCounts.size() + 1);
    for (qsizetype i = 0; i < wrongCounts.size(); ++i) {
        QCOMPARE(log.texts[i], QStringLiteral("Sorry,\n\nthe number of nodes\n\nin your circuit is ") + distances[i] +
                                   wrongCounts[i] +
                                   QStringLiteral(",\n\nplease check your circuit carefully\n\nand try again."));
    }
    QCOMPARE(log.texts.last(), QStringLiteral("Terrific! You got it.\n\nThere are a total of  4 nodes in you circuit."
                                              "\n\nThat means you have to set up  3 node voltage equations.\n\nGo "
                                              "ahead with your analysis."));
    QVERIFY(nextWaitedForPicture);
    QVERIFY(nextWaitedForChoice);
    QCOMPARE(stepThreeTexts, (QStringList{"1", "2 , 3 , 4 ", "3"}));

    QCOMPARE(doc.datumNode, 1);
    QCOMPARE(doc.showEquations, 1);
    QCOMPARE(doc.display().showNodeNumbers, 1);
    QCOMPARE(doc.mode, nodeEquationMode);
    // Loop current 1 A with node 1 as datum: V2 = -10, V3 = -30, V4 = -60.
    QCOMPARE(nodeVoltage(doc, 1), 0.0);
    QCOMPARE(nodeVoltage(doc, 2), -10.0);
    QCOMPARE(nodeVoltage(doc, 3), -30.0);
    QCOMPARE(nodeVoltage(doc, 4), -60.0);
    QVERIFY(!doc.equationText.at(2)[6].empty());
    QVERIFY(port.messages.empty());
}

void NodalTutorTest::stepThreeNamesTheOtherNodesOfAThreeNodeCircuit()
{
    CKirvoltDoc doc;
    RecordingPort port;
    doc.setPort(&port);
    testing::buildVoltageDivider(doc);
    MessageLog log;
    QStringList texts;
    ModalScript script({
        press<TutorIntroductionDialog>(QStringLiteral("Start")),
        countRightly(3),
        labelTheNodes(),
        [&](QWidget* window) {
            selectFirstNode(window);
            texts << labelText(window, "chosenName") << labelText(window, "otherNames")
                  << labelText(window, "equationCount");
            button(window, QStringLiteral("Cancel"))->click();
        },
    });
    runNodalAnalysisTutor(doc, nullptr, log.recorder());

    QVERIFY(script.finished());
    QCOMPARE(texts, (QStringList{"1", "2 , 3 ", "2"}));
    QCOMPARE(doc.display().showNodeNumbers, 0);
    QCOMPARE(doc.datumNode, 0);
    QCOMPARE(doc.showEquations, 0);
}

void NodalTutorTest::cancelInStepTwoHidesTheNodeNumbersAgain()
{
    CKirvoltDoc doc;
    RecordingPort port;
    doc.setPort(&port);
    testing::buildCurrentLoop(doc);
    MessageLog log;
    bool numbersShownByPicture = false;
    ModalScript script({
        press<TutorIntroductionDialog>(QStringLiteral("Start")),
        countRightly(4),
        [&](QWidget* window) {
            window->findChild<QToolButton*>(QStringLiteral("pictureButton"))->click();
            numbersShownByPicture = doc.display().showNodeNumbers == 1;
            button(window, QStringLiteral("Cancel"))->click();
        },
    });
    runNodalAnalysisTutor(doc, nullptr, log.recorder());

    QVERIFY(script.finished());
    QVERIFY(script.unexpected.isEmpty());
    QVERIFY(numbersShownByPicture);
    QCOMPARE(doc.display().showNodeNumbers, 0);
    QCOMPARE(doc.showEquations, 0);
}

void NodalTutorTest::refusedCircuitOpensNoTutorWindow()
{
    CKirvoltDoc doc;
    RecordingPort port;
    doc.setPort(&port);
    MessageLog log;
    ModalScript script({});
    runNodalAnalysisTutor(doc, nullptr, log.recorder());
    QCOMPARE(port.messages, std::vector<std::string>{"Create your circuit first."});
    QVERIFY(script.unexpected.isEmpty());
    QVERIFY(log.texts.isEmpty());
}

}  // namespace kirvolt

QTEST_MAIN(kirvolt::NodalTutorTest)
#include "nodal_tutor_test.moc"
