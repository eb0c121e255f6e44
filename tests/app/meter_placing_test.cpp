#include <QLineEdit>
#include <QTest>

#include <deque>

#include "app_fixture.h"
#include "circuit_pointer.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "view/circuit_view.h"
#include "view/dialogs/edit_component_dialog.h"

namespace kirvolt::testing {
namespace {

// A divider measured with the pointer alone (grid points, c = 20):
//
//   (2,2) --R1-- (8,2) --Am1-- (14,2) ------ (17,2)
//     |E1 (+ on top)             |R2            |Vm1
//   (2,8) --------------------- (14,8) ------ (17,8)
//
// E1 = 10 V, R1 = 300 and R2 = 200 ohm: 20 mA runs through the ammeter from its start (8,2)
// to its finish (14,2), and the voltmeter reads 4 V from its start (17,2) over its finish.
class MeterPlacing : public AppFixture {};

TEST_F(MeterPlacing, AMeasuredDividerReadsItsCurrentAndVoltage)
{
    ModalAnswerer answerer;
    std::deque<QString> values{"10", "300", "200"};
    answerer.onDialog = [&values](QDialog* dialog) {
        auto* edit = qobject_cast<EditComponentDialog*>(dialog);
        ASSERT_NE(edit, nullptr);
        edit->valueBox()->selectAll();
        QTest::keyClicks(edit->valueBox(), values.front());
        values.pop_front();
        edit->accept();
    };
    const CircuitPointer hand(*activeFrame().circuitView());
    const auto at = [&hand](int x, int y) { return hand.grid(x, y); };
    trigger(ID_DRAW_VOLTAGE_SOURCE);
    hand.moveTo(at(2, 5));
    hand.rightClick(at(2, 5));  // East -> North: the positive terminal on top
    hand.click(at(2, 5));
    trigger(ID_DRAW_EAST);
    trigger(ID_DRAW_RESISTOR);
    hand.click(at(5, 2));
    trigger(ID_DRAW_WEST);  // the meters' plus terminals where the current comes in
    trigger(ID_DRAW_AMMETER);
    EXPECT_TRUE(action(ID_DRAW_AMMETER).isChecked());
    hand.click(at(11, 2));
    trigger(ID_DRAW_SOUTH);
    trigger(ID_DRAW_RESISTOR);
    hand.click(at(14, 5));
    trigger(ID_DRAW_NORTH);
    trigger(ID_DRAW_VOLTMETER);
    hand.click(at(17, 5));
    trigger(ID_DRAW_WIRE);
    hand.drag(at(14, 8), at(2, 8));
    hand.drag(at(14, 2), at(17, 2));
    hand.drag(at(14, 8), at(17, 8));
    trigger(ID_EDIT_VALUE);
    for (const Point p : {at(2, 5), at(5, 2), at(14, 5)}) {
        hand.click(p);
    }
    ASSERT_TRUE(values.empty());

    trigger(ID_ANALYSE_NODE_VOLTAGE);
    ASSERT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('|').toStdString();
    const CKirvoltDoc& doc = activeDoc();
    ASSERT_EQ(doc.meterReadings.size(), 2u);
    EXPECT_EQ(doc.meterReadings[0].label, "Am1");
    EXPECT_NEAR(doc.meterReadings[0].value, 0.02, 1e-12);
    EXPECT_EQ(doc.meterReadings[1].label, "Vm1");
    EXPECT_NEAR(doc.meterReadings[1].value, 4.0, 1e-12);
    const std::size_t n = doc.analysisResults.size();
    EXPECT_EQ(doc.analysisResults[n - 2].plainText(), "  Am1 reads 20.0 mA.");
    EXPECT_EQ(doc.analysisResults[n - 1].plainText(), "  Vm1 reads 4.00 V.");
}

}  // namespace
}  // namespace kirvolt::testing
