#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "analysis/mesh_method.h"
#include "equations/mesh_equation.h"
#include "support/modal_script.h"
#include "support/recording_port.h"
#include "support/lattice_circuits.h"
#include "tutor/mesh_current_tutor.h"
#include "tutor/mesh_source_dialog.h"
#include "tutor/mesh_tutor_steps.h"
#include "view/widgets/spin_edit.h"

namespace kirvolt {

using testing::MessageLog;
using testing::ModalScript;
using testing::RecordingPort;

namespace {

constexpr bool H = true;
constexpr bool V = false;

// E1 up the left, R1 and R2 along the top, the right side down the right, R3 between the cells.
void drawTwoMeshes(CKirvoltDoc& doc, int rightKind, double right)
{
    testing::drawLattice({2, 1, {{V, 0, 0, KIND_VOLTAGE_SOURCE, 12}, {H, 0, 0, KIND_RESISTOR, 10},
                                 {H, 1, 0, KIND_RESISTOR, 20}, {V, 1, 0, KIND_RESISTOR, 30}, {V, 2, 0, rightKind, right},
                                 {H, 0, 1, KIND_WIRE}, {H, 1, 1, KIND_WIRE}}},
                         doc);
}

QPushButton* button(QWidget* window, const QString& text)
{
    for (QPushButton* candidate : window->findChildren<QPushButton*>()) {
        if (candidate->text() == text) {
            return candidate;
        }
    }
    return nullptr;
}

void click(QWidget* window, const QString& text) { QTest::mouseClick(button(window, text), Qt::LeftButton); }

// What a window of the tutor says, its labels in layout order, with its title.
QString windowText(QWidget* window)
{
    QString text = window->windowTitle();
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        text += QStringLiteral("|") + label->text();
    }
    return text;
}

ModalScript::Step count(const QString& meshes)
{
    return [meshes](QWidget* window) {
        QVERIFY(qobject_cast<MeshCountDialog*>(window));
        auto* edit = window->findChild<SpinEdit*>(QStringLiteral("countEdit"));
        edit->selectAll();
        QTest::keyClicks(edit, meshes);
        click(window, QStringLiteral("Next"));
    };
}

// The student reads the window, then presses the button.
template <typename Window>
ModalScript::Step read(QStringList& texts, const QString& press)
{
    return [&texts, press](QWidget* window) {
        QVERIFY(qobject_cast<Window*>(window));
        texts << windowText(window);
        click(window, press);
    };
}

const QString HEADING = QStringLiteral("Mesh Current Tutor|Step %1 of 4 for Mesh Current Analysis:|");
const QString KVL = QStringLiteral("\n\n           Write mesh current\n         equations using KVL.|");

}  // namespace

class MeshTutorTest : public QObject {
    Q_OBJECT

private slots:
    void twoMeshesToTheEnd();
    void currentSourceIsFoundByClickingAndItsEquationShown();
    void sourceStepSaysWhatToLookFor();
};

void MeshTutorTest::twoMeshesToTheEnd()
{
    CKirvoltDoc doc;
    RecordingPort port;
    doc.setPort(&port);
    drawTwoMeshes(doc, KIND_RESISTOR, 40);
    MessageLog log;
    int marked = 0;
    std::vector<MeshCurrentsDrawn> shown;
    MeshTutorDrawing drawing{[&marked](const Highlight* h) { marked += h != nullptr; },
                             [&shown](MeshCurrentsDrawn s) { shown.push_back(s); }, {}};
    bool nextWaitedForTheButton = false;
    QStringList texts;
    ModalScript script({
        read<MeshIntroductionDialog>(texts, QStringLiteral("Start")),
        [&](QWidget* window) {
            count(QStringLiteral("3"))(window);
            QVERIFY(window->isVisible());
            count(QStringLiteral("2"))(window);
        },
        [&](QWidget* window) {
            QVERIFY(qobject_cast<MeshLabelDialog*>(window));
            nextWaitedForTheButton = !button(window, QStringLiteral("Next"))->isEnabled();
            click(window, QStringLiteral("Click this button to draw the mesh currents."));
            texts << windowText(window);
            click(window, QStringLiteral("Next"));
        },
        read<MeshPageDialog>(texts, QStringLiteral("Next")),
        read<MeshPageDialog>(texts, QStringLiteral("Next")),
        read<MeshPageDialog>(texts, QStringLiteral("Next")),
    });
    runMeshCurrentTutor(doc, nullptr, log.recorder(), drawing);

    QVERIFY(script.finished());
    QVERIFY(script.unexpected.isEmpty());
    QVERIFY(nextWaitedForTheButton);
    QCOMPARE(shown, (std::vector{MeshCurrentsDrawn::hidden, MeshCurrentsDrawn::named, MeshCurrentsDrawn::valued}));
    QCOMPARE(marked, 3);
    QCOMPARE(log.texts.size(), 2);
    QVERIFY(log.texts[0].contains(QStringLiteral("It has  5  branches and  4  nodes")));
    QVERIFY(log.texts[1].startsWith(QStringLiteral("Terrific! You got it.")));
    QCOMPARE(texts.size(), 5);
    QCOMPARE(texts[0], QStringLiteral("Mesh Current Tutor|There are four steps for the Mesh Current Analysis Method.|"
                                      "\n4  Steps|(1)  Count the number of\n       meshes in your circuit.|"
                                      "(2)   Label the mesh currents.|(3)   Deal with the current\n       sources.|"
                                      "(4)   Write mesh current\n       equations using KVL."));
    QVERIFY(texts[1].startsWith(HEADING.arg(2) + QStringLiteral("\n\n          Label the mesh currents.|")));
    QCOMPARE(texts[2], HEADING.arg(3) + QStringLiteral("\n\n     Deal with the current sources.|There are no current "
                                                       "sources in your circuit.\n\nEvery mesh current is unknown, "
                                                       "and every mesh gets its own KVL equation."));
    QVERIFY(texts[3].startsWith(HEADING.arg(4) + KVL + QStringLiteral("Mesh 1 of 2:")));
    QVERIFY(texts[4].endsWith(QStringLiteral("=>    −30.00·I1 + 90.00·I2 = 0\n\nNow write the equation of each mesh "
                                             "yourself: Check My Mesh Equation tells you whether it is right.")));
    QVERIFY(port.messages.empty());
    QCOMPARE(port.checks.size(), std::size_t{2});
}

// The step-3 window stands without modality while the drawing hands it the student's clicks;
// a wrong click is explained, a right one confirmed, and only then may the student go on.
void MeshTutorTest::currentSourceIsFoundByClickingAndItsEquationShown()
{
    CKirvoltDoc doc;
    RecordingPort port;
    doc.setPort(&port);
    drawTwoMeshes(doc, KIND_CURRENT_SOURCE, 0.5);
    MessageLog log;
    QStringList texts;
    std::function<void(Point)> take;
    int routes = 0;
    MeshTutorDrawing drawing;
    drawing.takeClicks = [&take, &routes](std::function<void(Point)> clicks) {
        take = std::move(clicks);
        ++routes;
        return QList<QWidget*>{};
    };
    std::vector<MeshCurrentsDrawn> shown;
    drawing.showMeshCurrents = [&shown](MeshCurrentsDrawn s) { shown.push_back(s); };
    const auto inside = [&doc](int cell) {
        const Point corner = testing::latticePoint(cell, 0);
        return Point{(corner.x + 5) * doc.gridSize, (corner.y + 5) * doc.gridSize};
    };
    bool modeless = false;
    bool nextWaited = false;
    QTimer sourceStep;
    QObject::connect(&sourceStep, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* step = qobject_cast<MeshSourceDialog*>(window);
            if (step == nullptr || !step->isVisible() || !take) {
                continue;
            }
            sourceStep.stop();
            modeless = QApplication::activeModalWidget() == nullptr;
            auto* reply = step->findChild<QLabel*>(QStringLiteral("replyText"));
            take(inside(0));
            texts << reply->text();
            nextWaited = !button(step, QStringLiteral("Next"))->isEnabled();
            take(inside(1));
            texts << reply->text() << step->findChild<QLabel*>(QStringLiteral("progressText"))->text();
            click(step, QStringLiteral("Next"));
        }
    });
    sourceStep.start(10);
    ModalScript script({
        read<MeshIntroductionDialog>(texts, QStringLiteral("Start")),
        count(QStringLiteral("2")),
        [&](QWidget* window) {
            click(window, QStringLiteral("Click this button to draw the mesh currents."));
            click(window, QStringLiteral("Next"));
        },
        read<MeshPageDialog>(texts, QStringLiteral("Next")),
        [&](QWidget* window) {
            QVERIFY(button(window, QStringLiteral("Next")));
            read<MeshPageDialog>(texts, QStringLiteral("Cancel"))(window);
        },
    });
    runMeshCurrentTutor(doc, nullptr, log.recorder(), drawing);

    QVERIFY(script.finished());
    QVERIFY(script.unexpected.isEmpty());
    QVERIFY(modeless);
    QVERIFY(nextWaited);
    QVERIFY(!take);
    QCOMPARE(routes, 2);
    QCOMPARE(texts[1], QStringLiteral("Sorry,\n\nno current source lies on mesh 1, so its current is unknown and mesh 1 "
                                      "gets a KVL equation,\n\nplease check your circuit carefully\n\nand try again."));
    QCOMPARE(texts[2], QStringLiteral("Terrific! You got it.\n\nJ1 on the outside of the drawing gives mesh 2 its "
                                      "current.\n\n        I2 = J1\n\nThe current of mesh 2 is known, so mesh 2 needs no "
                                      "KVL equation.\n\nYou have found what every current source does to the meshes."
                                      "\n\nGo ahead with your analysis."));
    QCOMPARE(texts[3], QStringLiteral("Found:  1 of 1  meshes whose current a source fixes,  0 of 0  pairs of meshes "
                                      "joined by a current source."));
    QCOMPARE(texts[5], HEADING.arg(4) + KVL + QStringLiteral("Mesh 2 of 2:\n\nJ1 on the outside of the drawing gives "
                                                             "mesh 2 its current.\n\n        I2 = J1\n=>    I2 = 0.500\n"
                                                             "=>    I2 = 0.50\n\nNow write the equation of each "
                                                             "mesh yourself: Check My Mesh Equation tells you whether "
                                                             "it is right."));
    QVERIFY(port.checks.empty());
    QCOMPARE(shown, (std::vector{MeshCurrentsDrawn::hidden, MeshCurrentsDrawn::named, MeshCurrentsDrawn::hidden}));
}

// The window of step 3 names what it asks and starts with "Next" disabled.
void MeshTutorTest::sourceStepSaysWhatToLookFor()
{
    CKirvoltDoc doc;
    RecordingPort port;
    doc.setPort(&port);
    drawTwoMeshes(doc, KIND_CURRENT_SOURCE, 0.5);
    QVERIFY(runMeshAnalysis(doc));
    const auto built = buildMeshSystem(doc);
    const MeshSystem& system = std::get<MeshSystem>(built);
    const std::vector<MeshEquation> equations = meshEquations(doc, system);
    CurrentSourceQuiz quiz(doc, system, equations);
    MeshSourceDialog step(quiz, [](const Highlight*) {});
    QCOMPARE(windowText(&step),
             HEADING.arg(3) + QStringLiteral("\n\n     Deal with the current sources.|A current source with the outside "
                                             "of the drawing on one side fixes the current of the mesh on its other side; "
                                             "a current source between two meshes joins them into a supermesh. Find them "
                                             "all by clicking inside the meshes of your circuit: a mesh whose current is "
                                             "fixed, or the two meshes of a pair one after the other.|You are looking "
                                             "for:|Click inside a mesh of your circuit.|Found:  0 of 1  meshes whose "
                                             "current a source fixes,  0 of 0  pairs of meshes joined by a current "
                                             "source."));
    QStringList choices;
    for (const QRadioButton* choice : step.findChildren<QRadioButton*>()) {
        choices << choice->text() + (choice->isChecked() ? QStringLiteral(" (chosen)") : QString());
    }
    QCOMPARE(choices, (QStringList{QStringLiteral("A mesh whose current a source fixes (chosen)"),
                                   QStringLiteral("Two meshes joined by a current source")}));
    QVERIFY(!button(&step, QStringLiteral("Next"))->isEnabled());
}

}  // namespace kirvolt

QTEST_MAIN(kirvolt::MeshTutorTest)
#include "mesh_tutor_test.moc"
