#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/app_command_ids.h"
#include "app_fixture.h"
#include "circuit_pointer.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "view/circuit_view.h"
#include "view/dialogs/node_equations_dialog.h"
#include "support/circuit_builder.h"
#include "support/lattice_circuits.h"

namespace kirvolt::testing {
namespace {

using AnalysisMethodChoice = AppFixture;

// Two cells side by side: E1 up the left, R1 and R2 along the top, R3 between them, R4 down
// the right, wires along the bottom.
const LatticeCircuit TWO_MESHES{2, 1, {{false, 0, 0, KIND_VOLTAGE_SOURCE, 12}, {true, 0, 0, KIND_RESISTOR, 10},
                                       {true, 1, 0, KIND_RESISTOR, 20}, {false, 1, 0, KIND_RESISTOR, 30},
                                       {false, 2, 0, KIND_RESISTOR, 40}, {true, 0, 1, KIND_WIRE}, {true, 1, 1, KIND_WIRE}}};

// Analyse > Using marks the method last chosen in the window, and Compute runs that one: the
// mesh method refuses a wire drawn across R3, the node voltage method solves the same drawing.
TEST_F(AnalysisMethodChoice, ComputeRunsTheMethodLastChosenInTheWindow)
{
    ModalAnswerer answerer;
    CKirvoltDoc& doc = activeDoc();
    drawLattice(TWO_MESHES, doc);
    EXPECT_TRUE(action(ID_ANALYSE_NODE_VOLTAGE).isChecked());
    EXPECT_FALSE(action(ID_ANALYSE_MESH_CURRENT).isChecked());

    trigger(ID_ANALYSE_MESH_CURRENT);
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('|').toStdString();
    EXPECT_TRUE(doc.resultsAreCurrent());
    // 40·I1 − 30·I2 = 12 and −30·I1 + 90·I2 = 0: I1 = 0.4 A, I2 = 2/15 A.
    const std::vector<MeshCurrentMark>& marks = activeFrame().circuitView()->meshCurrents();
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].corner, latticePoint(0, 0));
    EXPECT_NEAR(marks[0].amperes.value_or(0), 0.4, 1e-12);
    EXPECT_EQ(marks[1].corner, latticePoint(1, 0));
    EXPECT_NEAR(marks[1].amperes.value_or(0), 2.0 / 15, 1e-12);
    EXPECT_TRUE(action(ID_ANALYSE_MESH_CURRENT).isChecked());
    EXPECT_FALSE(action(ID_ANALYSE_NODE_VOLTAGE).isChecked());

    CircuitBuilder(doc).wire({10, 20}, {30, 10});
    trigger(ID_COMPUTE);
    ASSERT_EQ(answerer.texts.size(), 1);
    EXPECT_TRUE(answerer.texts[0].startsWith("R3 and W13 cross at grid point (20, 15)")) << answerer.texts[0].toStdString();
    EXPECT_EQ(answerer.captions[0], QStringLiteral("Kirvolt"));
    EXPECT_FALSE(doc.resultsAreCurrent());

    EXPECT_TRUE(activeFrame().circuitView()->meshCurrents().empty());

    trigger(ID_ANALYSE_NODE_VOLTAGE);
    trigger(ID_COMPUTE);
    EXPECT_EQ(answerer.texts.size(), 1);
    EXPECT_TRUE(activeFrame().circuitView()->meshCurrents().empty());
    EXPECT_TRUE(doc.resultsAreCurrent());
    EXPECT_TRUE(action(ID_ANALYSE_NODE_VOLTAGE).isChecked());
    EXPECT_FALSE(action(ID_ANALYSE_MESH_CURRENT).isChecked());

    trigger(ID_ANALYSE_MESH_CURRENT);
    trigger(ID_FILE_NEW);
    EXPECT_TRUE(action(ID_ANALYSE_NODE_VOLTAGE).isChecked()) << "a new window starts with the default method";
    EXPECT_FALSE(action(ID_ANALYSE_MESH_CURRENT).isChecked());
}

// Analyse > Using > Loop Current Method: the textbook tree E1, R1, R2 is drawn thick, the chords
// R3 and R4 carry I_R3 = 0.4 − 2/15 A and I_R4 = 2/15 A (the mesh currents' difference and the
// right mesh's current), and a click on R3 shows its loop's equation in the dialog a mesh's
// click opens, titled as the mesh's is.
TEST_F(AnalysisMethodChoice, TheLoopMethodShowsItsTreeCurrentsAndAChordsEquation)
{
    ModalAnswerer answerer;
    CKirvoltDoc& doc = activeDoc();
    drawLattice(TWO_MESHES, doc);

    trigger(ID_ANALYSE_LOOP_CURRENT);
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('|').toStdString();
    EXPECT_TRUE(doc.resultsAreCurrent());
    EXPECT_TRUE(action(ID_ANALYSE_LOOP_CURRENT).isChecked());
    EXPECT_FALSE(action(ID_ANALYSE_MESH_CURRENT).isChecked());
    const LoopPicture& picture = activeFrame().circuitView()->loopCurrents();
    EXPECT_EQ(picture.tree.size(), 3u);
    ASSERT_EQ(picture.currents.size(), 2u);
    EXPECT_EQ(picture.currents[0].name, "I_R3");
    EXPECT_NEAR(picture.currents[0].amperes, 0.4 - 2.0 / 15, 1e-12);
    EXPECT_EQ(picture.currents[1].name, "I_R4");
    EXPECT_NEAR(picture.currents[1].amperes, 2.0 / 15, 1e-12);
    EXPECT_TRUE(activeFrame().circuitView()->meshCurrents().empty());

    QStringList shown;
    int marked = 0;
    answerer.onDialog = [&shown, &marked, this](QDialog* dialog) {
        auto* equations = qobject_cast<NodeEquationsDialog*>(dialog);
        ASSERT_NE(equations, nullptr);
        shown << equations->windowTitle() << equations->nodeNameBox()->text();
        for (int k = 0; k <= 3; ++k) {
            shown << equations->lineBox(k)->text();
        }
        for (QLabel* label : equations->findChildren<QLabel*>()) {
            shown << label->text();
        }
        EXPECT_EQ(equations->datumNameBox(), nullptr);
        marked = static_cast<int>(activeFrame().circuitView()->highlight()->redCount());
        QTest::mouseClick(equations->findChild<QPushButton*>(), Qt::LeftButton);
    };
    const Point top = latticePoint(1, 0);
    const Point bottom = latticePoint(1, 1);
    CircuitPointer hand(*activeFrame().circuitView());
    hand.click(hand.grid((top.x + bottom.x) / 2, (top.y + bottom.y) / 2));
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('|').toStdString();
    EXPECT_EQ(shown, (QStringList{"Loop Current Method : Loop Equations", "R3",
                                  "The voltage drops round the loop of R3, in the direction of I_R3, add up to the EMFs that drive it.",
                                  "R3·I_R3 + R1·(I_R3 + I_R4) = E1", "30.0·I_R3 + 10.0·(I_R3 + I_R4) = 12.0",
                                  "40.00·I_R3 + 10.00·I_R4 = 12.00", "Equation for Loop", ":-",
                                  "( the loop current runs through R3 in its own direction )", "=>", "=>", "=>", "=>"}));
    EXPECT_EQ(marked, 3) << "R3, R1 and E1, the loop";
    EXPECT_EQ(activeFrame().circuitView()->highlight(), nullptr);

    trigger(ID_ANALYSE_NODE_VOLTAGE);
    EXPECT_TRUE(activeFrame().circuitView()->loopCurrents().currents.empty());
    EXPECT_TRUE(activeFrame().circuitView()->loopCurrents().tree.empty());
}

}  // namespace
}  // namespace kirvolt::testing
