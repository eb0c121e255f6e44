#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/command.h"
#include "cli/stderr_port.h"
#include "support/json_reader.h"
#include "command_run.h"

namespace kirvolt {
namespace {

using Outcome = testing::ToolRun;

Outcome run(const cli::Command& command, const std::string& example, cli::Arguments arguments)
{
    arguments.insert(arguments.begin(), std::string(KIRVOLT_EXAMPLES_DIR) + "/" + example);
    return testing::runInProcess(command, arguments);
}

struct TheveninCase {
    std::string example;
    cli::Arguments arguments;
    int status;
    std::string out;
    std::string err;
};

// The worked texts, the equivalents that do not exist and every question that cannot be
// answered, to the byte.
TEST(TheveninCommand, AnswersAndRefusalsAreExact)
{
    const TheveninCase cases[] = {
        {"wheatstone_unbalanced.kvt", {"--load", "R5"}, 0, R"(Thévenin and Norton equivalents as seen by R5, between nodes 3 and 4.
1. R5 is taken out of the circuit; nodes 3 and 4 are left open.
2. The open-circuit voltage, by the node voltage method:
    V1  =  E1 
    V1  =  10.00V 
     ( V3 -  V1 ) * ( 1/R1  ) + ( V3 -  0 ) * ( 1/R2  )   =   0
    ( 1/R1 + 1/R2  ) * V3 - (1/R1  ) * V1   =   0
    ( 1/10.0 + 1/20.0  ) * V3 - (1/10.0  ) * V1   =   0
    ( 0.1500 ) * V3 - (0.1000 ) * V1   =   0
     ( V4 -  V1 ) * ( 1/R3  ) + ( V4 -  0 ) * ( 1/R4  )   =   0
    ( 1/R3 + 1/R4  ) * V4 - (1/R3  ) * V1   =   0
    ( 1/15.0 + 1/20.0  ) * V4 - (1/15.0  ) * V1   =   0
    ( 0.1167 ) * V4 - (0.0667 ) * V1   =   0
    V1 =  10.00 Volt.
    V2 = 0 Volt.
    V3 =   6.67 Volt.
    V4 =   5.71 Volt.
   Vth = V3 - V4 = 6.67 V - 5.71 V = 0.95 V.
3. The sources set to zero (E1 shorted), the resistance seen between 3 and 4:
   a test current of 1.00 A into 3 and out of 4 gives V3 - V4 = 15.24 V, so Rth = 15.24 Ω.
4. The short-circuit current, with 3 and 4 joined by a wire: In = 62.5 mA from 3 through the wire to 4.
Thévenin equivalent: Vth = 0.95 V, positive at 3, in series with Rth = 15.24 Ω.
Norton equivalent: In = 62.5 mA into 3, in parallel with Rth = 15.24 Ω.
)", ""},
        {"macro_node_with_datum.kvt", {"--load", "R1"}, 0, R"(Thévenin and Norton equivalents as seen by R1, between nodes 2 and 3.
1. R1 is taken out of the circuit; nodes 2 and 3 are left open.
2. There is no open-circuit voltage to find: with the terminals open, only the current source J1 joins the side of node 2 to the side of node 3, which fixes a current and no voltage.
3. The sources set to zero (E1 shorted and J1 opened), the resistance seen between 2 and 3:
   nothing joins 2 to 3, so the resistance between them has no bound.
4. The short-circuit current, with 2 and 3 joined by a wire: In = 0.20 A from 2 through the wire to 3.
There is no Thévenin equivalent: the resistance between 2 and 3 has no bound, and no voltage source in series with a resistor behaves so.
Norton equivalent: In = 0.20 A into 2, with no resistor beside it.
)", ""},
        {"macro_node_with_datum.kvt", {"--between", "3", "1", "--json"}, 0, "{\"vth\":6,\"rth\":0,\"in\":null}\n", ""},
        {"macro_node_with_datum.kvt", {"--load", "R1", "--json"}, 0, "{\"vth\":null,\"rth\":null,\"in\":0.2}\n", ""},
        {"macro_node_with_datum.kvt", {"--load", "R9"}, 1, "", "There is no resistor named R9 in this circuit.\n"},
        {"macro_node_with_datum.kvt", {"--load", "J1"}, 1, "", "There is no resistor named J1 in this circuit.\n"},
        {"macro_node_with_datum.kvt", {"--between", "3", "7"}, 1, "", "There is no node named 7 in this circuit.\n"},
        {"macro_node_with_datum.kvt", {"--between", "3", "3"}, 1, "", "Node 3 is both terminals: choose two different nodes.\n"},
        {"macro_node_with_datum.kvt", {"--json"}, cli::BAD_USAGE, "", ""},
        {"parallel_sources_different.kvt", {"--between", "1", "2"}, 1, "", ""},
    };
    for (const TheveninCase& c : cases) {
        const Outcome outcome = run(cli::theveninCommand, c.example, c.arguments);
        EXPECT_EQ(outcome.status, c.status) << c.example << " " << c.arguments.front();
        EXPECT_EQ(outcome.out, c.out) << c.example << " " << c.arguments.front();
        if (c.status == 1 && c.err.empty()) {
            EXPECT_TRUE(outcome.err.starts_with("Ideal Voltage Sources  of different values")) << outcome.err;  // the analysis's own refusal
        } else {
            EXPECT_EQ(outcome.err, c.err) << c.example << " " << c.arguments.front();
        }
    }
}

TEST(SuperposeCommand, PartsAndTheirSumAsTextAndJson)
{
    const Outcome text = run(cli::superposeCommand, "two_sources.kvt", {});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_TRUE(text.out.starts_with("Superposition: one part for each source, with every other source set to zero.\n\n"
                                     "Part 1: E1 alone (E2 shorted)\n  Analysis Results:\n"));
    EXPECT_NE(text.out.find("\nPart 2: E2 alone (E1 shorted)\n"), std::string::npos);
    EXPECT_TRUE(text.out.ends_with(R"(The sum of the parts beside the full analysis:
  V1 = 10.00 V + 0.00 V = 10.00 V   (full analysis: 10.00 V)
  V2 = 2.86 V + 2.86 V = 5.71 V   (full analysis: 5.71 V)
  V3 = 0.00 V + 0.00 V = 0.00 V   (full analysis: 0.00 V)
  V4 = 0.00 V + 5.00 V = 5.00 V   (full analysis: 5.00 V)
  R1: p.d. 7.14 V + (-2.86 V) = 4.29 V   (full analysis: 4.29 V)
  R1: current 0.36 A + (-0.14 A) = 0.21 A   (full analysis: 0.21 A)
  R2: p.d. 2.86 V + 2.86 V = 5.71 V   (full analysis: 5.71 V)
  R2: current 71.4 mA + 71.4 mA = 0.14 A   (full analysis: 0.14 A)
  R3: p.d. 2.86 V + (-2.14 V) = 0.71 V   (full analysis: 0.71 V)
  R3: current 0.29 A + (-0.21 A) = 71.4 mA   (full analysis: 71.4 mA)
  E1: p.d. 10.00 V + 0.00 V = 10.00 V   (full analysis: 10.00 V)
  E1: current -0.36 A + 0.14 A = -0.21 A   (full analysis: -0.21 A)
  E2: p.d. 0.00 V + 5.00 V = 5.00 V   (full analysis: 5.00 V)
  E2: current 0.29 A + (-0.21 A) = 71.4 mA   (full analysis: 71.4 mA)
)"));

    // Each source alone makes 20/7 V at the middle node: E1 through 20 ohm into 40 ohm beside
    // 10 ohm, E2 through 10 ohm into 20 ohm beside 40 ohm.
    const Outcome json = run(cli::superposeCommand, "two_sources.kvt", {"--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const testing::JsonValue parts = testing::parseJson(json.out);
    ASSERT_EQ(parts.array().size(), 2u);
    EXPECT_EQ(parts[0]["source"].text(), "E1");
    EXPECT_EQ(parts[1]["source"].text(), "E2");
    for (std::size_t p = 0; p < 2; ++p) {
        EXPECT_EQ(parts[p]["nodes"][1]["name"].text(), "2");
        EXPECT_NEAR(parts[p]["nodes"][1]["voltage"].number(), 20.0 / 7.0, 1e-12);
        EXPECT_EQ(parts[p]["components"].array().size(), 5u);
    }
    EXPECT_NEAR(parts[0]["nodes"][0]["voltage"].number(), 10.0, 1e-12);
    EXPECT_NEAR(parts[1]["nodes"][3]["voltage"].number(), 5.0, 1e-12);
}

}  // namespace
}  // namespace kirvolt
