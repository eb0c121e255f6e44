#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <random>
#include <string>

#include "analysis/meter_readings.h"
#include "analysis/nodal_solver.h"
#include "ngspice_agreement.h"
#include "spice/circuit_layout.h"
#include "spice/circuit_netlist.h"
#include "spice/spice_reader.h"
#include "spice/spice_writer.h"
#include "support/circuit_builder.h"
#include "support/metered_circuits.h"
#include "support/ngspice.h"
#include "support/random_circuits.h"

namespace kirvolt {
namespace {

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Every reading against ngspice's operating point of the exported netlist, where an ammeter is
// a 0 V source and a voltmeter the difference of its nodes' voltages.
TEST(MeterReadings, RandomMetersReadAsNgspiceMeasures)
{
    testing::CircuitGenerator generator(3001u);
    std::mt19937 random(11u);
    int compared = 0;
    for (int c = 0; c < 60; ++c) {
        const testing::RandomCircuit circuit = generator.next();
        testing::DrawnCircuit picture(circuit, generator);
        picture.buildAndChooseDatum();
        CKirvoltDoc& doc = picture.doc;
        testing::addRandomMeters(doc, random, 2, 2);
        if (!runNodalAnalysis(doc)) {
            continue;
        }
        const CircuitNetlist exported = circuitNetlist(doc, "meters");
        const SpiceText spice = writeSpiceNetlist(exported.netlist);
        const std::map<std::string, double> printed = testing::runNgspiceOperatingPoint(spice.text);
        ASSERT_FALSE(printed.empty()) << "ngspice could not be run";
        double scale = 0;
        for (const auto& [name, value] : printed) {
            scale = std::max(scale, std::abs(value));
        }
        const std::vector<MeterReading> readings = readMeters(doc);
        std::size_t next = 0;
        for (std::size_t k = 0; k < exported.netlist.elements.size(); ++k) {
            const NetlistElement& e = exported.netlist.elements[k];
            if (!isMeterKind(e.kind)) {
                continue;
            }
            const MeterReading& reading = readings[next++];
            const std::string what = "circuit " + std::to_string(c) + " " + reading.label;
            ASSERT_TRUE(reading.reads) << what << ": " << reading.whyNot;
            double expected = 0;
            if (e.kind == KIND_AMMETER) {
                expected = printed.at(lowered(spice.elementNames[k]) + "#branch");
            } else {
                expected = *testing::ngspiceVoltage(printed, spice.nodeNames[static_cast<std::size_t>(e.start)]) -
                           *testing::ngspiceVoltage(printed, spice.nodeNames[static_cast<std::size_t>(e.finish)]);
            }
            testing::expectClose(reading.value, expected, scale, what);
            ++compared;
        }
    }
    EXPECT_GT(compared, 150);
}

// E1 (10 V) drives R1 (5 ohm) and R2 (5 ohm) in series; what each meter added to it reads.
TEST(MeterReadings, EachMeterReadsOrSaysWhyNot)
{
    struct Case {
        const char* name;
        std::function<void(testing::CircuitBuilder&)> addMeter;
        std::string line;
    };
    const Case cases[] = {
        {"ammeter in the loop", [](testing::CircuitBuilder& b) { b.between(KIND_AMMETER, {20, 2}, {20, 8}, 0); },
         "  Am1 reads 1.00 A."},
        {"ammeter turned round", [](testing::CircuitBuilder& b) { b.between(KIND_AMMETER, {20, 8}, {20, 2}, 0); },
         "  Am1 reads -1.00 A."},
        {"ammeter beside a wire",
         [](testing::CircuitBuilder& b) {
             b.between(KIND_AMMETER, {20, 2}, {20, 8}, 0);
             b.wire(20, 2, 20, 8);
         },
         "  Am1 cannot read: wires or other ammeters also join its terminals, so the current divides among them in no "
         "fixed way."},
        {"voltmeter across R1", [](testing::CircuitBuilder& b) { b.element(KIND_VOLTMETER, {10, 2}, ORIENT_WEST, 0); },
         "  Vm1 reads 5.00 V."},
        {"voltmeter in the air", [](testing::CircuitBuilder& b) { b.element(KIND_VOLTMETER, {40, 40}, ORIENT_EAST, 0); },
         "  Vm1 cannot read: neither of its terminals is connected to the circuit."},
        {"voltmeter with one lead", [](testing::CircuitBuilder& b) { b.element(KIND_VOLTMETER, {5, -1}, ORIENT_NORTH, 0); },
         "  Vm1 cannot read: its start terminal is not connected to the circuit."},
    };
    for (const Case& c : cases) {
        CKirvoltDoc doc;
        testing::CircuitBuilder build(doc);
        build.voltageSource(5, 5, ORIENT_NORTH, 10);
        build.wire(5, 2, 7, 2);
        build.resistor(10, 2, ORIENT_EAST, 5);
        build.wire(13, 2, 20, 2);
        build.wire(20, 8, 13, 8);
        build.resistor(10, 8, ORIENT_WEST, 5);
        build.wire(7, 8, 5, 8);
        if (std::string(c.name).starts_with("voltmeter")) {
            build.wire(20, 2, 20, 8);
        }
        c.addMeter(build);
        ASSERT_TRUE(runNodalAnalysis(doc)) << c.name;
        EXPECT_EQ(doc.analysisResults.back().plainText(), c.line) << c.name;
    }
}

// An ammeter alone in series with a current source leaves the source shorted; the refusal
// says why the analysis sees it so.
TEST(MeterReadings, ARefusalSaysThatAnAmmeterIsAWire)
{
    CKirvoltDoc doc;
    testing::CircuitBuilder build(doc);
    build.currentSource(10, 5, ORIENT_EAST, 2);
    build.between(KIND_AMMETER, {13, 5}, {7, 5}, 0);
    const AnalysisOutcome outcome = runNodalAnalysis(doc);
    ASSERT_FALSE(outcome);
    EXPECT_EQ(outcome.refusal->message, "Node 1 is not correctly connected.\n\nAn ideal ammeter joins its terminals as "
                                        "a wire does: the circuit is analysed with Am1 as a wire.");
}

// A netlist's 0 V source named after an ammeter is drawn as that ammeter, which reads it.
TEST(MeterReadings, AnAmmeterComesBackFromItsNetlist)
{
    const NetlistReading reading = readSpiceNetlist("meters\nV1 2 0 DC 10\nVAm1 2 3 DC 0\nR1 3 0 4\n.end\n");
    ASSERT_TRUE(reading.netlist);
    CKirvoltDoc doc;
    layoutCircuit(*reading.netlist, doc);
    const auto ammeter = std::find_if(doc.components.begin(), doc.components.end(),
                                      [](const auto& c) { return c->kindCode == KIND_AMMETER; });
    ASSERT_NE(ammeter, doc.components.end());
    EXPECT_EQ((*ammeter)->label, "Am1");
    EXPECT_EQ(doc.ammeterCount, 2);
    ASSERT_TRUE(runNodalAnalysis(doc));
    EXPECT_EQ(doc.analysisResults.back().plainText(), "  Am1 reads 2.50 A.");
}

}  // namespace
}  // namespace kirvolt
