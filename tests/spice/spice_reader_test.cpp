#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/codes.h"
#include "spice/spice_reader.h"

namespace kirvolt {
namespace {

Netlist read(const std::string& text)
{
    const NetlistReading reading = readSpiceNetlist(text);
    EXPECT_TRUE(reading.netlist) << reading.message;
    return reading.netlist.value_or(Netlist{});
}

TEST(SpiceReader, ReadsElementsNodesAndValues)
{
    const Netlist netlist = read("Divider with a load\n"
                                 "V1 in 0 DC 12\n"
                                 "R1 in out 4.7k\n"
                                 "Rload OUT gnd 10kohm\n"
                                 "I1 0 out dc=2mA\n");
    EXPECT_EQ(netlist.title, "Divider with a load");
    EXPECT_EQ(netlist.nodes, (std::vector<std::string>{"0", "in", "out"}));
    ASSERT_EQ(netlist.elements.size(), 4u);
    const struct {
        std::uint16_t kind;
        const char* name;
        int start;
        int finish;
        double value;
    } expected[] = {
        {KIND_VOLTAGE_SOURCE, "E1", 1, 0, 12},
        {KIND_RESISTOR, "R1", 1, 2, 4700},
        {KIND_RESISTOR, "Rload", 2, 0, 1e4},
        {KIND_CURRENT_SOURCE, "J1", 0, 2, 2e-3},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        const NetlistElement& e = netlist.elements[i];
        EXPECT_EQ(e.kind, expected[i].kind) << i;
        EXPECT_EQ(e.name, expected[i].name) << i;
        EXPECT_EQ(e.start, expected[i].start) << i;
        EXPECT_EQ(e.finish, expected[i].finish) << i;
        EXPECT_DOUBLE_EQ(e.value, expected[i].value) << i;
    }
}

TEST(SpiceReader, CommentsContinuationsAndDotCommandsAreTakenAsSpiceTakesThem)
{
    const Netlist netlist = read("R9 1 0 99 (a title, not an element)\n"
                                 "* a comment line\n"
                                 "   * an indented one\n"
                                 "\n"
                                 "V1 1 ; the rest of this line is a comment\n"
                                 "* comments may stand between a card and its continuation\n"
                                 "+ 0\n"
                                 "+ DC 5\n"
                                 ".option numdgt=10\n"
                                 "+ reltol=1e-6\n"
                                 ".control\n"
                                 "R5 1 0 1\n"
                                 "+ anything\n"
                                 ".endc\n"
                                 "r2 1 0 1k\r\n"
                                 "\tI2\t0\t1\t3\n"
                                 ".END\n"
                                 "R3 1 0 1\n");
    EXPECT_EQ(netlist.title, "R9 1 0 99 (a title, not an element)");
    ASSERT_EQ(netlist.elements.size(), 3u);
    EXPECT_EQ(netlist.elements[0].name, "E1");
    EXPECT_EQ(netlist.elements[0].value, 5);
    EXPECT_EQ(netlist.elements[0].finish, 0);
    EXPECT_EQ(netlist.elements[1].name, "r2");
    EXPECT_EQ(netlist.elements[1].value, 1000);
    EXPECT_EQ(netlist.elements[2].value, 3);
}

TEST(SpiceReader, SourcesTakeKirvoltsLetterAndKirvoltNamesAfterTheSpiceLetterStay)
{
    const Netlist netlist = read("names\nVE1 1 0 1\nIJ12 1 0 1\nRR3 1 0 1\nR1 1 0 1\nVext 1 0 1\nVe2 1 0 1\nV 1 0 1\n"
                                 "RE1 1 0 1\nIJx 1 0 1\nV1 1 0 1\nRR1 1 0 1\n");
    std::vector<std::string> names;
    for (const NetlistElement& e : netlist.elements) {
        names.push_back(e.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"E1", "J12", "R3", "R1", "Eext", "Ee2", "E", "RE1", "JJx", "E1_2", "R1_2"}));
}

TEST(SpiceReader, NodesAreOneWhateverTheirCaseAndGndIsTheDatum)
{
    const Netlist netlist = read("case\nR1 Top GND 1\nR2 TOP mid 1\nR3 top 0 1\nR4 MID Gnd 1\n");
    EXPECT_EQ(netlist.nodes, (std::vector<std::string>{"0", "Top", "mid"}));
    EXPECT_EQ(netlist.elements[3].start, 2);
    EXPECT_EQ(netlist.elements[3].finish, 0);
}

TEST(SpiceReader, ASourceWithoutValueIsZeroAsInSpice)
{
    const Netlist netlist = read("zero\nVam 1 2\nR1 1 0 1\nR2 2 0 1\n");
    EXPECT_EQ(netlist.elements[0].value, 0);
}

TEST(SpiceReader, EveryRefusalNamesItsLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "The netlist is empty."},
        {" \n\t\n", "The netlist is empty."},
        {"only a title\n* and a comment\n.op\n.end\n",
         "The netlist has no resistors, voltage sources or current sources."},
        {"t\nR1 1 0 1\nC1 1 0 1u\n",
         "Line 3: C1 is a capacitor. Kirvolt reads only resistors (R), voltage sources (V) and current sources (I)."},
        {"t\nE1 2 0 1 0 10\n",
         "Line 2: E1 is a voltage-controlled voltage source. Kirvolt reads only resistors (R), voltage sources (V) "
         "and current sources (I)."},
        {"t\nJ1 1 0 1\n",
         "Line 2: J1 is a junction field-effect transistor. Kirvolt reads only resistors (R), voltage sources (V) "
         "and current sources (I)."},
        {"t\nQ1 c b e qmod\n",
         "Line 2: Q1 is a bipolar transistor. Kirvolt reads only resistors (R), voltage sources (V) and current "
         "sources (I)."},
        {"t\nD1 1 0 dmod\n",
         "Line 2: D1 is a diode. Kirvolt reads only resistors (R), voltage sources (V) and current sources (I)."},
        {"t\nX1 1 2 amp\n",
         "Line 2: X1 is a subcircuit. Kirvolt reads only resistors (R), voltage sources (V) and current sources (I)."},
        {"t\n.subckt amp in out\nR1 in out 1\n.ends\n",
         "Line 2: .subckt belongs to a subcircuit. Kirvolt reads only resistors (R), voltage sources (V) and "
         "current sources (I)."},
        {"t\n.include models.lib\n", "Line 2: .include reads another file, which Kirvolt does not follow."},
        {"t\n1R 1 0 5\n",
         "Line 2: 1R is not an element SPICE knows. Kirvolt reads only resistors (R), voltage sources (V) and "
         "current sources (I)."},
        {"t\nV1 1 0 DC 5 AC 1\n", "Line 2: V1 has an AC value. Kirvolt analyses DC circuits only."},
        {"t\nV1 1 0 AC 1\n", "Line 2: V1 has an AC value. Kirvolt analyses DC circuits only."},
        {"t\nV1 1 0 SIN(0 1 1k)\n", "Line 2: V1 is a SIN source. Kirvolt analyses DC circuits only."},
        {"t\nI1 1 0 pulse 0 1 0 1n 1n 1u 2u\n", "Line 2: I1 is a PULSE source. Kirvolt analyses DC circuits only."},
        {"t\nR1 1 0\n", "Line 2: R1 needs two nodes and a resistance."},
        {"t\nV1 1\n", "Line 2: V1 needs two nodes."},
        {"t\nR1 1 0 1k tc1=0.01\n", "Line 2: R1 has more than a resistance (tc1 = 0.01)."},
        {"t\nV1 1 0 5 volts\n", "Line 2: V1 has more than a DC value (volts)."},
        {"t\nV1 1 0 DC\n", "Line 2: V1 has DC but no value."},
        {"t\nR1 1 0 abc\n", "Line 2: R1 has the value abc, which is not a number."},
        {"t\nR1 1 0 4k7\n", "Line 2: R1 has the value 4k7, which SPICE reads as 4k; write 4.7k if that is what is meant."},
        {"t\nR1 1 0 1.2.3\n", "Line 2: R1 has the value 1.2.3, which SPICE reads as 1.2."},
        {"t\nR1 1 0 1\n\nr1 1 0 2\n", "Line 4: r1 is named a second time; the first is on line 2."},
        {"t\n+ R1 1 0 1\n", "Line 2: a continuation line (+) must follow an element."},
        {"t\nR1 1 0 1\nV1 1\n* between\n+ 0 DC 5 AC\n+ 1\n", "Line 3: V1 has an AC value. Kirvolt analyses DC circuits only."},
        {"t\nR1 1 0 1\nI21 1 0 1e400\n",
         "Line 3: I21 has the value 1e400, which is not a number."},
        {"t\nR1 1 0 1\nI21 1 0 9.6e51\n",
         "Line 3: I21 has a current of 9.6e+51 A; Kirvolt takes currents of 0 or from -1 MA to -1 fA or from 1 fA to 1 MA."},
        {"t\nR1 1 0 -5\n",
         "Line 2: R1 has a resistance of -5 \xCE\xA9; Kirvolt takes resistances of 0 or from 1 p\xCE\xA9 to 1 T\xCE\xA9."},
    };
    for (const auto& [text, message] : cases) {
        const NetlistReading reading = readSpiceNetlist(text);
        EXPECT_FALSE(reading.netlist) << text;
        EXPECT_EQ(reading.message, message) << text;
    }
}

}  // namespace
}  // namespace kirvolt
