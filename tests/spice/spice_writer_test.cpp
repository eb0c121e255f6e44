#include <gtest/gtest.h>

#include <limits>

#include "document/codes.h"
#include "spice/spice_reader.h"
#include "spice/spice_writer.h"

namespace kirvolt {
namespace {

TEST(SpiceWriter, NamesAreSafeAndUniqueAndEveryKindHasItsCard)
{
    Netlist netlist;
    netlist.title = "Test\ncircuit";
    netlist.notes = {"first\nsecond"};
    netlist.nodes = {"ground", "1", "out", "OUT", "v+", "gnd", "0", ""};
    netlist.elements = {
        {KIND_RESISTOR, "R1", 1, 2, 10},
        {KIND_VOLTAGE_SOURCE, "E1", 1, 0, 12},
        {KIND_CURRENT_SOURCE, "J1", 0, 3, 0.5},
        {KIND_AMMETER, "Am1", 3, 4, 7},
        {KIND_VOLTMETER, "Vm1", 4, 0, 0},
        {KIND_RESISTOR, "R 1", 6, 7, 1e20},
        {KIND_RESISTOR, "R_1", 7, 0, 4.7},
        {KIND_RESISTOR, "R1", 2, 0, std::numeric_limits<double>::quiet_NaN()},
    };
    const SpiceText spice = writeSpiceNetlist(netlist);
    EXPECT_EQ(spice.text, "Test circuit\n"
                          "* first\n"
                          "* second\n"
                          "R1 1 out 10\n"
                          "V1 1 0 DC 12\n"
                          "I1 0 OUT_2 DC 0.5\n"
                          "* VAm1 is the ammeter Am1, a 0 V source here; its current is the reading.\n"
                          "VAm1 OUT_2 v_ DC 0\n"
                          "* Vm1 is a voltmeter between v_ and 0; it reads the p.d. of the first over the second.\n"
                          "R_1 0_2 n 1e+20\n"
                          "R_1_2 n 0 4.7\n"
                          "* R1_2 has no value SPICE can read.\n"
                          ".op\n"
                          ".end\n");
    EXPECT_EQ(spice.nodeNames, (std::vector<std::string>{"0", "1", "out", "OUT_2", "v_", "gnd_2", "0_2", "n"}));
    EXPECT_EQ(spice.elementNames,
              (std::vector<std::string>{"R1", "V1", "I1", "VAm1", "", "R_1", "R_1_2", ""}));
}

TEST(SpiceWriter, AnUntitledNetlistGetsATitleLine)
{
    Netlist netlist;
    netlist.nodes = {"0", "1"};
    netlist.elements = {{KIND_RESISTOR, "R1", 1, 0, 1}};
    EXPECT_EQ(writeSpiceNetlist(netlist).text, "Kirvolt circuit\nR1 1 0 1\n.op\n.end\n");
}

// Whatever an ammeter is called, its 0 V source is read back as an ammeter, and a 0 V source
// is never read back as one.
TEST(SpiceWriter, AmmetersAndOnlyAmmetersComeBackAsAmmeters)
{
    Netlist netlist;
    netlist.nodes = {"0", "1"};
    netlist.elements = {
        {KIND_AMMETER, "0", 1, 0, 0},      {KIND_AMMETER, "Am1", 1, 0, 0}, {KIND_AMMETER, "Am1", 1, 0, 0},
        {KIND_AMMETER, "Meter", 1, 0, 0},  {KIND_AMMETER, "Am07", 1, 0, 0}, {KIND_VOLTAGE_SOURCE, "Am3", 1, 0, 0},
        {KIND_VOLTAGE_SOURCE, "E9", 1, 0, 0},
    };
    const SpiceText spice = writeSpiceNetlist(netlist);
    EXPECT_EQ(spice.elementNames,
              (std::vector<std::string>{"VAm1", "VAm2", "VAm3", "VAm4", "VAm07", "V_Am3", "V9"}));
    const NetlistReading reading = readSpiceNetlist(spice.text);
    ASSERT_TRUE(reading.netlist) << reading.message;
    std::vector<std::uint16_t> kinds;
    for (const NetlistElement& e : reading.netlist->elements) {
        kinds.push_back(e.kind);
    }
    EXPECT_EQ(kinds, (std::vector<std::uint16_t>{KIND_AMMETER, KIND_AMMETER, KIND_AMMETER, KIND_AMMETER, KIND_AMMETER,
                                                 KIND_VOLTAGE_SOURCE, KIND_VOLTAGE_SOURCE}));
}

}  // namespace
}  // namespace kirvolt
