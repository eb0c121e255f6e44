#include <charconv>
#include <fstream>
#include <set>

#include "support/json_reader.h"
#include "tool_run.h"

namespace kirvolt::testing {
namespace {

using NodeNamesAcrossOutputs = ToolTest;

struct NamesCase {
    const char* what;
    const char* netlist;
    std::set<std::string> nodes;  // every node's name, the datum's among them
    std::string datum;
    std::set<std::string> sources;
};

const NamesCase CASES[] = {
    {"numbers the other way round from Kirvolt's", "t\nV1 2 gnd DC 12\nR1 2 1 4.7k\nR2 1 gnd 2.2k\nI1 gnd 1 1m\n",
     {"0", "1", "2"}, "0", {"E1", "J1"}},
    {"a number no node has", "t\nV1 7 0 DC 12\nR1 7 0 1k\n", {"0", "7"}, "0", {"E1"}},
    {"words and gnd", "t\nV1 in 0 DC 12\nR1 in mid 4.7k\nR2 mid GND 2.2k\n", {"0", "in", "mid"}, "0", {"E1"}},
    {"mixed case, named as first written", "t\nVcc Top 0 DC 5\nR1 top Mid 1k\nR2 MID 0 1k\nIin 0 mid 2m\n",
     {"0", "Top", "Mid"}, "0", {"Ecc", "Jin"}},
};

std::optional<int> numberIn(const std::string& name)
{
    int number = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    return error == std::errc() && end == name.data() + name.size() ? std::optional(number) : std::nullopt;
}

// An imported netlist's nodes are called the same in the results pane, the equations, the
// matrix form and the JSON; a name that is a number is that node's number or no node's; no
// source's name reads as a node voltage.
TEST_F(NodeNamesAcrossOutputs, EveryOutputCallsEachNodeByItsOneName)
{
    for (const NamesCase& row : CASES) {
        std::ofstream(path("n.cir")) << row.netlist;
        ASSERT_EQ(tool({"import", path("n.cir"), path("n.kvt")}).status, 0) << row.what;
        const ToolRun json = tool({"analyse", path("n.kvt"), "--json"});
        ASSERT_EQ(json.status, 0) << row.what << json.err;
        const JsonValue analysed = parseJson(json.out);

        std::set<std::string> names;
        std::string datum;
        for (const JsonValue& node : analysed["nodes"].array()) {
            const std::string& name = node["name"].text();
            names.insert(name);
            const auto number = static_cast<int>(node["number"].number());
            datum = number == static_cast<int>(analysed["datumNode"].number()) ? name : datum;
            const std::optional<int> written = numberIn(name);
            EXPECT_TRUE(!written || *written == number || *written < 1 || *written > static_cast<int>(analysed["nodes"].array().size()))
                << row.what << ": node " << number << " is called " << name;
        }
        EXPECT_EQ(names, row.nodes) << row.what;
        EXPECT_EQ(datum, row.datum) << row.what;
        std::set<std::string> sources;
        for (const JsonValue& c : analysed["components"].array()) {
            if (c["label"].text().front() != 'R') {
                sources.insert(c["label"].text());
            }
        }
        EXPECT_EQ(sources, row.sources) << row.what;

        const std::string pane = tool({"analyse", path("n.kvt")}).out;
        const std::string equations = tool({"equations", path("n.kvt")}).out;
        const std::string matrix = tool({"matrix", path("n.kvt")}).out;
        EXPECT_NE(matrix.find("(node " + row.datum + " is the datum node"), std::string::npos) << row.what << matrix;
        EXPECT_NE(equations.find("Node " + row.datum + ":\n\nV" + row.datum + " = 0 Volt.\n"), std::string::npos)
            << row.what << equations;
        for (const std::string& name : names) {
            EXPECT_NE(pane.find("  Node " + name + ":   "), std::string::npos) << row.what << ", " << name << "\n" << pane;
            EXPECT_NE(equations.find("Node " + name + ":\n"), std::string::npos) << row.what << ", " << name;
            EXPECT_NE(equations.find("\nV" + name + " = "), std::string::npos) << row.what << ", " << name;
            if (name != row.datum) {
                EXPECT_NE(matrix.find("  V" + name + " "), std::string::npos) << row.what << ", " << name << "\n" << matrix;
            }
        }
    }
}

// Typed names are found in any case: the node "Top" as vtop, the source "Jin" as jin.
TEST_F(NodeNamesAcrossOutputs, TypedNamesAreMatchedIgnoringCase)
{
    std::ofstream(path("n.cir")) << "t\nIin 0 Top 2m\nR1 top 0 1k\n";
    ASSERT_EQ(tool({"import", path("n.cir"), path("n.kvt")}).status, 0);
    const ToolRun run = tool({"check", path("n.kvt"), "--node", "Top", "vtop/r1 = jin"});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "Right: this is the KCL equation of node Top.\n");
    EXPECT_EQ(tool({"analyse", path("n.kvt"), "--datum", "Top"}).status, 0);
}

}  // namespace
}  // namespace kirvolt::testing
