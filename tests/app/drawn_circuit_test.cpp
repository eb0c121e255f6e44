#include <QLineEdit>
#include <QTest>

#include <deque>

#include "app/open_circuit.h"
#include "app_fixture.h"
#include "circuit_pointer.h"
#include "editing/command_ids.h"
#include "equations/node_equation_display.h"
#include "modal_answerer.h"
#include "view/circuit_view.h"
#include "view/dialogs/edit_component_dialog.h"
#include "view/dialogs/node_equations_dialog.h"

namespace kirvolt::testing {
namespace {

// What the node-equation dialog was given, and how the circuit looked while it was up.
struct DialogSeen {
    NodeEquationTexts texts;
    int redElements = 0;
    int arrows = 0;
};

// A circuit drawn, valued and analysed with the pointer alone (grid points, c = 20):
//
//   A(2,2) --R1-- B(8,2) --E2(+ at C)-- C(14,2) --R4-- D(20,2)
//     |E1 (+ at A)  |R2                               |R3
//   G(2,8) ------ (8,8) ------------------------------ (20,8)
//
// E1 = 10 V, E2 = 4 V, R1 = 100, R2 = 200, R4 = 300, R3 = 100 ohm; G is the datum node.
// B and C form a macro node: (VB - 10)/100 + VB/200 + (VB + 4 - VD)/300 = 0 with
// VD = VC/4 gives VB = 36/7, VC = 64/7, VD = 16/7.
class DrawnCircuit : public AppFixture {
protected:
    DrawnCircuit()
    {
        answerer.onDialog = [this](QDialog* dialog) { answerDialog(dialog); };
        activeFrame().circuit().port().setNodeEquationsDialog([this](const NodeEquationTexts& texts) {
            seen.push_back(snapshot(texts));
            NodeEquationsDialog dialog(texts, &frame());
            dialog.exec();
        });
    }

    CircuitPointer hand() const { return CircuitPointer(*activeFrame().circuitView()); }
    Point at(int x, int y) const { return hand().grid(x, y); }

    void answerDialog(QDialog* dialog)
    {
        if (auto* edit = qobject_cast<EditComponentDialog*>(dialog)) {
            edit->valueBox()->selectAll();
            QTest::keyClicks(edit->valueBox(), values.front());
            values.pop_front();
            edit->accept();
        } else {
            dialog->accept();
        }
    }

    // What the schematic paints over the circuit while the dialog is up.
    DialogSeen snapshot(const NodeEquationTexts& texts) const
    {
        DialogSeen result{texts};
        if (const Highlight* shown = activeFrame().circuitView()->highlight()) {
            result.redElements = static_cast<int>(shown->redCount());
            result.arrows = static_cast<int>(shown->arrowCount());
        }
        return result;
    }

    void draw()
    {
        trigger(ID_DRAW_VOLTAGE_SOURCE);
        hand().moveTo(at(2, 5));
        hand().rightClick(at(2, 5));  // East -> North: the positive terminal on top
        hand().click(at(2, 5));
        trigger(ID_DRAW_EAST);
        trigger(ID_DRAW_RESISTOR);
        hand().click(at(5, 2));
        trigger(ID_DRAW_SOUTH);
        hand().click(at(8, 5));
        hand().click(at(20, 5));
        hand().rightClick(at(17, 2));  // South -> East
        hand().click(at(17, 2));
        trigger(ID_DRAW_VOLTAGE_SOURCE);
        hand().click(at(11, 2));
        trigger(ID_DRAW_WIRE);
        hand().drag(at(2, 8), at(8, 8));
        hand().drag(at(8, 8), at(20, 8));
    }

    void giveValues()
    {
        values = {"10", "100", "200", "100", "300", "4"};
        trigger(ID_EDIT_VALUE);
        for (const Point p : {at(2, 5), at(5, 2), at(8, 5), at(20, 5), at(17, 2), at(11, 2)}) {
            hand().click(p);
        }
        EXPECT_TRUE(values.empty());
    }

    const CComponent* jointAt(Point p) const
    {
        for (const auto& element : activeDoc().components) {
            if (element->kindCode == KIND_JOINT && element->position == p) {
                return element.get();
            }
        }
        return nullptr;
    }

    std::string name(Point p) const { return jointAt(p)->label; }

    void expectNormalColoursAndNoArrows() const
    {
        for (const auto& element : activeDoc().components) {
            const int kind = element->kindCode;
            const Colour normal = kind == KIND_JOINT ? COLOUR_JOINT : kind == KIND_WIRE ? COLOUR_WIRE : COLOUR_COMPONENT;
            EXPECT_EQ(element->colour, normal) << element->label;
            EXPECT_EQ(element->arrowDirection, ARROW_NONE) << element->label;
        }
    }

    ModalAnswerer answerer;
    std::deque<QString> values;
    std::vector<DialogSeen> seen;
};

TEST_F(DrawnCircuit, DrawAnalyseAndInspectWithThePointer)
{
    draw();
    ASSERT_EQ(activeDoc().components.size(), 24u);  // 6 components with 12 joints, 2 wires with 4
    giveValues();

    // The joint at (8,8) sits under the ends of both ground wires, which come first in the
    // list; a click on the dot still reaches it.
    trigger(ID_NODES_DATUM);
    hand().click(at(8, 8));
    const int datum = jointAt(at(8, 8))->startNode;
    EXPECT_EQ(activeDoc().datumNode, datum);
    EXPECT_EQ(jointAt(at(2, 8))->datumMark, 1);

    trigger(ID_ANALYSE_NODE_VOLTAGE);
    ASSERT_EQ(activeDoc().mode, nodeEquationMode);
    ASSERT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('|').toStdString();
    EXPECT_NEAR(jointAt(at(2, 2))->startVoltage, 10.0, 1e-9);
    EXPECT_NEAR(jointAt(at(8, 2))->startVoltage, 36.0 / 7, 1e-9);
    EXPECT_NEAR(jointAt(at(14, 2))->startVoltage, 64.0 / 7, 1e-9);
    EXPECT_NEAR(jointAt(at(20, 2))->startVoltage, 16.0 / 7, 1e-9);

    // An ordinary node: D.
    hand().click(at(20, 2));
    ASSERT_EQ(seen.size(), 1u);
    const NodeEquationTexts& d = seen[0].texts;
    EXPECT_EQ(d.nodeName, name(at(20, 2)));
    EXPECT_EQ(d.datumNodeName, name(at(8, 8)));
    EXPECT_EQ(d.lines[0], "Sum of flow-out currents via Resistors R3, R4    =    0    , because no current source is "
                          "connected to Node  " + name(at(20, 2)) + "  .");
    EXPECT_EQ(d.lines[4], "( 0.0133 ) * V" + name(at(20, 2)) + " - (0.0033 ) * V" + name(at(14, 2)) + "   =   0");
    EXPECT_EQ(seen[0].redElements, 1);  // the one joint where R4 and R3 meet
    EXPECT_EQ(seen[0].arrows, 2);
    expectNormalColoursAndNoArrows();

    // The macro node B + C: the first (lower-numbered) node gets the explanation and the
    // combined equation, the other one its relation to the first.
    hand().click(at(8, 2));
    hand().click(at(14, 2));
    ASSERT_EQ(seen.size(), 3u);
    const bool bFirst = jointAt(at(8, 2))->startNode < jointAt(at(14, 2))->startNode;
    const std::string first = name(bFirst ? at(8, 2) : at(14, 2));
    const std::string other = name(bFirst ? at(14, 2) : at(8, 2));
    ASSERT_EQ(answerer.texts.size(), 1);
    EXPECT_EQ(answerer.texts[0].toStdString(), macroNodeExplanation);
    EXPECT_EQ(answerer.captions[0], QStringLiteral("Kirvolt"));
    const DialogSeen& combined = seen[bFirst ? 1 : 2];
    const DialogSeen& relation = seen[bFirst ? 2 : 1];
    EXPECT_EQ(combined.texts.nodeName, first);
    EXPECT_EQ(combined.redElements, 1);  // E2; no wire touches B or C
    EXPECT_EQ(combined.arrows, 3);       // R1, R2 and R4 leave the macro node
    EXPECT_EQ(relation.redElements, 1);  // the path: E2
    EXPECT_EQ(relation.arrows, 0);
    EXPECT_EQ(relation.texts.nodeName, other);
    EXPECT_EQ(relation.texts.lines[0], "This node is connected to the first macro node via the Voltage Source  E2.");
    EXPECT_EQ(relation.texts.lines[2], bFirst ? "V" + other + "  =  E2  +  V" + first
                                              : "V" + other + "  =   ( -E2 )  +  V" + first);
    expectNormalColoursAndNoArrows();

    // A node tied to the datum node by E1, then the datum node itself.
    hand().click(at(2, 2));
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[3].texts.lines[0], "This node is directly connected to the datum node via the Voltage Source  E1.");
    EXPECT_EQ(seen[3].texts.lines[3], "V" + name(at(2, 2)) + "  =  10.00V ");
    hand().click({at(20, 8).x - 5, at(20, 8).y - 5});
    EXPECT_EQ(seen.size(), 4u);
    ASSERT_EQ(answerer.texts.size(), 2);
    EXPECT_EQ(answerer.texts[1].toStdString(), "Node " + name(at(8, 8)) +
                                                   " is the chosen Datum Node,\n the voltage at this node is taken as zero.");
    expectNormalColoursAndNoArrows();
}

// After a mesh analysis a click inside a mesh shows that mesh's equation, its elements red:
// mesh 1 is E1, R1, R2 (300·I1 − 200·I2 = E1), mesh 2 is E2, R4, R3 and R2 beside mesh 1
// (600·I2 − 200·I1 = E2).
TEST_F(DrawnCircuit, AClickInsideAMeshShowsItsEquation)
{
    draw();
    giveValues();
    trigger(ID_ANALYSE_MESH_CURRENT);
    ASSERT_EQ(activeDoc().mode, nodeEquationMode);
    ASSERT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('|').toStdString();

    hand().click(at(5, 5));
    hand().click(at(14, 5));
    hand().click(at(24, 5));  // outside every mesh
    ASSERT_EQ(seen.size(), 2u);
    for (int k = 1; k <= 2; ++k) {
        const NodeEquationTexts& texts = seen[static_cast<std::size_t>(k - 1)].texts;
        EXPECT_EQ(texts.of, NodeEquationTexts::Of::mesh);
        EXPECT_EQ(texts.nodeName, std::to_string(k));
        EXPECT_EQ(texts.lines[0], "The voltage drops clockwise round mesh " + std::to_string(k) +
                                      " add up to the EMFs that drive its current.");
    }
    EXPECT_EQ(seen[0].texts.lines[3], "300.00·I1 − 200.00·I2 = 10.00");
    EXPECT_EQ(seen[1].texts.lines[3], "−200.00·I1 + 600.00·I2 = 4.00");
    EXPECT_EQ(seen[0].redElements, 3);
    EXPECT_EQ(seen[1].redElements, 4);
    EXPECT_TRUE(answerer.texts.isEmpty());
    expectNormalColoursAndNoArrows();
    const NodeEquationsDialog dialog(seen[0].texts, &frame());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Mesh Current Method : Mesh Equations"));
    EXPECT_EQ(dialog.nodeNameBox()->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog.datumNameBox(), nullptr);
    EXPECT_EQ(dialog.lineBox(1)->text(), QStringLiteral("R1·I1 + R2·(I1 − I2) = E1"));
}

}  // namespace
}  // namespace kirvolt::testing
