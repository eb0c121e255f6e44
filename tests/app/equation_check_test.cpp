#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "analysis/plane_meshes.h"
#include "app_fixture.h"
#include "circuit_pointer.h"
#include "document/codes.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "view/circuit_view.h"
#include "view/dialogs/equation_check_dialog.h"

namespace kirvolt::testing {
namespace {

using CheckMyNodeEquation = AppFixture;

const CComponent* jointLabelled(const CKirvoltDoc& doc, const std::string& label)
{
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_JOINT && element->label == label) {
            return element.get();
        }
    }
    return nullptr;
}

TEST_F(CheckMyNodeEquation, AStudentMendsAWrongEquationUntilItIsRight)
{
    ASSERT_NE(app->OpenDocumentFile(QStringLiteral(KIRVOLT_EXAMPLES_DIR "/mixed_sources.kvt")), nullptr);
    trigger(ID_TUTOR_CHECK_EQUATION);
    EXPECT_EQ(activeDoc().mode, checkEquationMode);
    EXPECT_TRUE(action(ID_TUTOR_CHECK_EQUATION).isChecked());
    EXPECT_EQ(activeDoc().display().showNodeNumbers, 1);

    ModalAnswerer answerer;
    QString title;
    QStringList verdicts;
    answerer.onDialog = [&](QDialog* dialog) {
        auto* check = qobject_cast<EquationCheckWindow*>(dialog);
        ASSERT_NE(check, nullptr);
        title = check->windowTitle();
        QTest::keyClicks(check->equationBox(), QStringLiteral("(V4-V3)/R3 = J1"));
        QTest::mouseClick(check->checkButton(), Qt::LeftButton);
        verdicts << check->verdictLabel()->text();
        check->equationBox()->selectAll();
        QTest::keyClicks(check->equationBox(), QStringLiteral("(V4-V3)/R3 + V4/R4 = J1"));
        QTest::keyClick(check->equationBox(), Qt::Key_Return);
        verdicts << check->verdictLabel()->text();
        check->reject();
    };
    const CComponent* joint = jointLabelled(activeDoc(), "4");
    ASSERT_NE(joint, nullptr);
    CircuitPointer(*activeFrame().circuitView()).click(joint->startPoint);

    EXPECT_EQ(title, QStringLiteral("Check My Node Equation : Node 4"));
    EXPECT_EQ(verdicts, QStringList({QStringLiteral("Not yet: this is not the KCL equation of node 4.\n"
                                                    "The term for R4 is missing: current leaves node 4 through R4, "
                                                    "V4/R4."),
                                     QStringLiteral("Right: this is the KCL equation of node 4.")}));
    EXPECT_TRUE(answerer.texts.isEmpty());
    EXPECT_FALSE(activeDoc().IsModified());
}

TEST_F(CheckMyNodeEquation, ACircuitThatCannotBeSolvedIsRefusedWithTheAnalysisMessage)
{
    ASSERT_NE(app->OpenDocumentFile(QStringLiteral(KIRVOLT_EXAMPLES_DIR "/dangling_resistor.kvt")), nullptr);
    ModalAnswerer answerer;
    trigger(ID_TUTOR_CHECK_EQUATION);
    ASSERT_EQ(answerer.texts.size(), 1);
    EXPECT_TRUE(answerer.texts.front().startsWith(QStringLiteral("Node 3 is not correctly connected.")));
    EXPECT_NE(activeDoc().mode, checkEquationMode);
}

using CheckMyMeshEquation = AppFixture;

// A point just inside the top-left corner of the mesh, where a click finds it.
Point insideMesh(CKirvoltDoc& doc, int mesh)
{
    const auto found = findMeshes(doc);
    const auto& meshes = std::get<PlaneMeshes>(found);
    const Point corner = meshes.mesh(mesh).corner;
    const Point inside{corner.x * doc.gridSize + doc.gridSize / 2, corner.y * doc.gridSize + doc.gridSize / 2};
    EXPECT_EQ(meshContaining(meshes, inside, doc.gridSize), mesh);
    return inside;
}

TEST_F(CheckMyMeshEquation, AStudentMendsAWrongMeshEquationUntilItIsRight)
{
    ASSERT_NE(app->OpenDocumentFile(QStringLiteral(KIRVOLT_EXAMPLES_DIR "/mixed_sources.kvt")), nullptr);
    trigger(ID_TUTOR_CHECK_MESH_EQUATION);
    EXPECT_EQ(activeDoc().mode, checkMeshEquationMode);
    EXPECT_TRUE(action(ID_TUTOR_CHECK_MESH_EQUATION).isChecked());
    EXPECT_FALSE(action(ID_TUTOR_CHECK_EQUATION).isChecked());

    ModalAnswerer answerer;
    QString title;
    QString instructions;
    QStringList verdicts;
    answerer.onDialog = [&](QDialog* dialog) {
        auto* check = qobject_cast<EquationCheckWindow*>(dialog);
        ASSERT_NE(check, nullptr);
        title = check->windowTitle();
        for (const QLabel* label : check->findChildren<QLabel*>()) {
            if (label->text().startsWith(QStringLiteral("Type"))) {
                instructions = label->text();
            }
        }
        QTest::keyClicks(check->equationBox(), QStringLiteral("R1*I1 + R2*I1 = E1"));
        QTest::mouseClick(check->checkButton(), Qt::LeftButton);
        verdicts << check->verdictLabel()->text();
        check->equationBox()->selectAll();
        QTest::keyClicks(check->equationBox(), QStringLiteral("R1*I1 + R2*(I1 - I2) = E1"));
        QTest::keyClick(check->equationBox(), Qt::Key_Return);
        verdicts << check->verdictLabel()->text();
        check->reject();
    };
    CircuitPointer(*activeFrame().circuitView()).click(insideMesh(activeDoc(), 1));

    EXPECT_EQ(title, QStringLiteral("Check My Mesh Equation : Mesh 1"));
    EXPECT_TRUE(instructions.startsWith(QStringLiteral("Type the KVL equation of mesh 1: the voltage drops clockwise "
                                                       "round it add up to the EMFs that drive its current.")))
        << instructions.toStdString();
    EXPECT_EQ(verdicts, QStringList({QString::fromUtf8("Not yet: this is not the KVL equation of mesh 1.\n"
                                                       "The term for R2 leaves out I2: R2 is shared with mesh 2, so the "
                                                       "current through it is I1 \xE2\x88\x92 I2 and its drop is "
                                                       "R2\xC2\xB7(I1 \xE2\x88\x92 I2)."),
                                     QStringLiteral("Right: this is the KVL equation of mesh 1.")}));
    EXPECT_TRUE(answerer.texts.isEmpty());
    EXPECT_FALSE(activeDoc().IsModified());
}

// Under the loop current method the same command checks the loop of the chord clicked.
TEST_F(CheckMyMeshEquation, UnderTheLoopMethodAClickOnAChordChecksItsLoop)
{
    ASSERT_NE(app->OpenDocumentFile(QStringLiteral(KIRVOLT_EXAMPLES_DIR "/wheatstone_unbalanced.kvt")), nullptr);
    trigger(ID_ANALYSE_LOOP_CURRENT);
    trigger(ID_TUTOR_CHECK_MESH_EQUATION);
    ASSERT_EQ(activeDoc().mode, checkMeshEquationMode);
    ModalAnswerer answerer;
    QString title;
    QStringList verdicts;
    answerer.onDialog = [&](QDialog* dialog) {
        auto* check = qobject_cast<EquationCheckWindow*>(dialog);
        ASSERT_NE(check, nullptr);
        title = check->windowTitle();
        QTest::keyClicks(check->equationBox(), QStringLiteral("R2*I_R2 + R1*(I_R2 + I_R5) = E1"));
        QTest::keyClick(check->equationBox(), Qt::Key_Return);
        verdicts << check->verdictLabel()->text();
        check->reject();
    };
    const CComponent* r2 = nullptr;
    for (const auto& element : activeDoc().components) {
        r2 = element->label == "R2" ? element.get() : r2;
    }
    ASSERT_NE(r2, nullptr);
    const Point centre{(r2->gridStart.x + r2->gridFinish.x) / 2, (r2->gridStart.y + r2->gridFinish.y) / 2};
    CircuitPointer(*activeFrame().circuitView()).click(toLogical(centre, activeDoc().gridSize));
    EXPECT_EQ(title, QStringLiteral("Check My Mesh Equation : Loop of R2"));
    EXPECT_EQ(verdicts, QStringList({QStringLiteral("Right: this is the KVL equation of the loop of R2.")}));
    EXPECT_TRUE(answerer.texts.isEmpty());
}

TEST_F(CheckMyMeshEquation, ADrawingTheMeshMethodRefusesIsRefusedWithItsMessage)
{
    ASSERT_NE(app->OpenDocumentFile(QStringLiteral(KIRVOLT_EXAMPLES_DIR "/dangling_resistor.kvt")), nullptr);
    ModalAnswerer answerer;
    trigger(ID_TUTOR_CHECK_MESH_EQUATION);
    ASSERT_EQ(answerer.texts.size(), 1);
    EXPECT_TRUE(answerer.texts.front().startsWith(QStringLiteral("Node 3 is not correctly connected.")));
    EXPECT_NE(activeDoc().mode, checkMeshEquationMode);
}

}  // namespace
}  // namespace kirvolt::testing
