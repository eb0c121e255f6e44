#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/app_command_ids.h"
#include "app_fixture.h"
#include "circuit_pointer.h"
#include "support/lattice_circuits.h"
#include "tutor/mesh_source_dialog.h"
#include "tutor/mesh_tutor_steps.h"
#include "view/circuit_view.h"
#include "view/dialogs/equation_check_dialog.h"
#include "view/widgets/spin_edit.h"
#include "tutor_hand.h"
#include "window_hand.h"

namespace kirvolt::testing {
namespace {

using MeshTutorCommand = AppFixture;

constexpr bool H = true;
constexpr bool V = false;

// E1 = 12 V up the left, R1 = 10 and R2 = 20 ohm along the top, R3 = 30 ohm between the cells,
// J1 = 0.5 A down the right, on the outside of the drawing: it fixes I2 = 0.5 A, and round mesh 1
// 40·I1 − 30·I2 = 12 gives I1 = 0.675 A.
void drawTwoMeshes(CKirvoltDoc& doc)
{
    drawLattice({2, 1, {{V, 0, 0, KIND_VOLTAGE_SOURCE, 12}, {H, 0, 0, KIND_RESISTOR, 10}, {H, 1, 0, KIND_RESISTOR, 20},
                        {V, 1, 0, KIND_RESISTOR, 30}, {V, 2, 0, KIND_CURRENT_SOURCE, 0.5}, {H, 0, 1, KIND_WIRE},
                        {H, 1, 1, KIND_WIRE}}},
                doc);
    doc.UpdateAllViews();
}

void choose(QWidget* window, const QString& text)
{
    for (QRadioButton* choice : window->findChildren<QRadioButton*>()) {
        if (choice->text() == text) {
            QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(4, choice->height() / 2));
        }
    }
}

WindowHand::Step countAs(const QString& meshes)
{
    return WindowHand::on<MeshCountDialog>([meshes](MeshCountDialog* step) {
        auto* edit = step->findChild<SpinEdit*>(QStringLiteral("countEdit"));
        edit->selectAll();
        QTest::keyClicks(edit, meshes);
        press(step, QStringLiteral("Next"));
    });
}

// The whole tutor from the Tutor menu with mouse and keys: a wrong count and the right one,
// the arrows drawn without values, the current source found by clicking inside the meshes
// of the drawing (a wrong mesh, a pair it does not join, then the right mesh), both KVL
// pages, mesh 1's equation typed wrong and then right in Check My Mesh Equation's window,
// mesh 2's window closed, and the currents with their values at the end.
TEST_F(MeshTutorCommand, RunsFromTheTutorMenuThroughEveryStepToTheEnd)
{
    CKirvoltDoc& doc = activeDoc();
    drawTwoMeshes(doc);
    CKirvoltView& view = *activeFrame().circuitView();
    const CircuitPointer hand(view);
    const auto inside = [&hand](int cell) {
        const Point corner = latticePoint(cell, 0);
        return hand.grid(corner.x + 5, corner.y + 5);
    };
    QStringList messages;
    QStringList replies;
    std::vector<std::optional<double>> namedCurrents;
    bool sourceStepModeless = false;
    bool menuStayedShut = false;
    bool marked = false;
    bool nextWaited = false;
    QStringList pages;
    QStringList checks;
    WindowHand tutor({
        WindowHand::on<MeshIntroductionDialog>([](MeshIntroductionDialog* step) { press(step, QStringLiteral("Start")); }),
        countAs(QStringLiteral("3")),
        WindowHand::message(messages),
        countAs(QStringLiteral("2")),
        WindowHand::message(messages),
        WindowHand::on<MeshLabelDialog>([&](MeshLabelDialog* step) {
            press(step, QStringLiteral("Click this button to draw the mesh currents."));
            for (const MeshCurrentMark& mark : view.meshCurrents()) {
                namedCurrents.push_back(mark.amperes);
            }
            press(step, QStringLiteral("Next"));
        }),
        WindowHand::on<MeshSourceDialog>([&](MeshSourceDialog* step) {
            sourceStepModeless = QApplication::activeModalWidget() == nullptr;
            // The rest of the main window stays out of reach while the drawing takes clicks.
            QMenuBar& bar = *frame().menuBar();
            QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(bar.actions().first()).center());
            menuStayedShut = !bar.actions().first()->menu()->isVisible();
            const auto* reply = step->findChild<QLabel*>(QStringLiteral("replyText"));
            hand.click(inside(0));
            replies << reply->text();
            marked = view.highlight() != nullptr;
            choose(step, QStringLiteral("Two meshes joined by a current source"));
            hand.click(inside(0));
            hand.click(inside(1));
            replies << reply->text();
            nextWaited = !buttonNamed(step, QStringLiteral("Next"))->isEnabled();
            choose(step, QStringLiteral("A mesh whose current a source fixes"));
            hand.click(inside(1));
            replies << reply->text();
            press(step, QStringLiteral("Next"));
        }),
        WindowHand::on<MeshPageDialog>([&pages](MeshPageDialog* step) {
            pages << step->findChild<QLabel*>(QStringLiteral("pageText"))->text();
            press(step, QStringLiteral("Next"));
        }),
        WindowHand::on<MeshPageDialog>([&pages](MeshPageDialog* step) {
            pages << step->findChild<QLabel*>(QStringLiteral("pageText"))->text();
            press(step, QStringLiteral("Next"));
        }),
        WindowHand::on<EquationCheckWindow>([&](EquationCheckWindow* step) {
            checks << step->windowTitle() << QString::number(view.highlight() != nullptr ? view.highlight()->redCount() : 0);
            for (const QString& typed : {QStringLiteral("R1*I1 + R3*(I1 + I2) = E1"), QStringLiteral("R1*I1 + R3*(I1 - I2) = E1")}) {
                step->equationBox()->selectAll();
                QTest::keyClicks(step->equationBox(), typed);
                QTest::mouseClick(step->checkButton(), Qt::LeftButton);
                checks << step->verdictLabel()->text();
            }
            QTest::mouseClick(step->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close), Qt::LeftButton);
        }),
        WindowHand::on<EquationCheckWindow>([&](EquationCheckWindow* step) {
            checks << step->windowTitle() << QString::number(view.meshCurrents().front().amperes.has_value());
            QTest::mouseClick(step->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close), Qt::LeftButton);
        }),
    });
    clickMenuItem(*frame().menuBar(), QStringLiteral("Tutor"), action(ID_TUTOR_MESH_CURRENT));

    EXPECT_TRUE(tutor.finished());
    EXPECT_TRUE(tutor.unexpected.isEmpty()) << tutor.unexpected.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Sorry,\n\nthere are not 3 meshes in your circuit.")));
    EXPECT_TRUE(messages[1].startsWith(QStringLiteral("Terrific! You got it.")));
    EXPECT_EQ(namedCurrents, (std::vector<std::optional<double>>{std::nullopt, std::nullopt}));
    EXPECT_TRUE(sourceStepModeless);
    EXPECT_TRUE(menuStayedShut);
    EXPECT_TRUE(marked);
    EXPECT_TRUE(nextWaited);
    ASSERT_EQ(replies.size(), 3);
    EXPECT_TRUE(replies[0].startsWith(QStringLiteral("Sorry,\n\nno current source lies on mesh 1,"))) << replies[0].toStdString();
    EXPECT_TRUE(replies[1].startsWith(QStringLiteral("Sorry,\n\nmeshes 1 and 2 share only R3,"))) << replies[1].toStdString();
    EXPECT_TRUE(replies[2].startsWith(QStringLiteral("Terrific! You got it.\n\nJ1 on the outside"))) << replies[2].toStdString();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].startsWith(QStringLiteral("Mesh 1 of 2:")));
    EXPECT_TRUE(pages[1].startsWith(QStringLiteral("Mesh 2 of 2:")));
    // Mesh 1 with E1, R1 and R3 marked, then mesh 2 while the arrows still have no values.
    ASSERT_EQ(checks.size(), 6);
    EXPECT_EQ(checks[0], QStringLiteral("Check My Mesh Equation : Mesh 1"));
    EXPECT_EQ(checks[1], QStringLiteral("3"));
    EXPECT_TRUE(checks[2].startsWith(QStringLiteral("Not yet: this is not the KVL equation of mesh 1.\nThe term for R3 "))) << checks[2].toStdString();
    EXPECT_EQ(checks[3], QStringLiteral("Right: this is the KVL equation of mesh 1."));
    EXPECT_EQ(checks[4], QStringLiteral("Check My Mesh Equation : Mesh 2"));
    EXPECT_EQ(checks[5], QStringLiteral("0"));

    // The end: the currents with their values, the pointer back with the editor.
    const std::vector<MeshCurrentMark>& marks = view.meshCurrents();
    ASSERT_EQ(marks.size(), 2U);
    EXPECT_NEAR(marks[0].amperes.value_or(0), 0.675, 1e-12);
    EXPECT_NEAR(marks[1].amperes.value_or(0), 0.5, 1e-12);
    EXPECT_EQ(view.highlight(), nullptr);
    EXPECT_EQ(doc.mode, nodeEquationMode);
}

}  // namespace
}  // namespace kirvolt::testing
