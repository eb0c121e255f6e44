#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "document/circuit_file.h"
#include "support/circuit_builder.h"
#include "support/json_reader.h"
#include "support/sample_circuits.h"

namespace kirvolt {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs kirvolt-cli with arguments inside a scratch directory of its own.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / ("kirvolt_cli_" + std::string(test->name()) + "_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        fs::remove_all(dir);
    }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    // Arguments are quoted for the shell; none of them contains a single quote.
    CliRun cli(const std::vector<std::string>& arguments) const
    {
        std::string command = std::string("'") + KIRVOLT_CLI_PATH + "'";
        for (const auto& argument : arguments) {
            command += " '" + argument + "'";
        }
        command += " >'" + path("stdout") + "' 2>'" + path("stderr") + "'";
        const int raw = std::system(command.c_str());
        CliRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = readText(dir / "stdout");
        run.err = readText(dir / "stderr");
        return run;
    }

    std::string saveDivider(const std::string& name) const
    {
        CKirvoltDoc doc;
        testing::buildVoltageDivider(doc);
        EXPECT_TRUE(saveCircuit(doc, path(name)).ok);
        return path(name);
    }

    fs::path dir;
};

TEST_F(CliTest, HelpExplainsEveryCommand)
{
    const CliRun run = cli({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const char* text : {"info FILE [--json]", "convert IN OUT", "analyse", "equations", "netlist FILE [OUT.cir]",
                             "import IN.cir OUT.kvt", "matrix FILE [--datum N] [--method M] [--latex]", "--help", "--method M",
                             "Exit status: 0 on success; 2 when a file cannot be read or written"}) {
        EXPECT_NE(run.out.find(text), std::string::npos) << text;
    }
}

TEST_F(CliTest, WrongCommandLinesPrintUsageAndExitWithTwo)
{
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{}, "Usage: kirvolt-cli COMMAND ARGUMENTS...\n"},
        {{"info"}, "Usage: kirvolt-cli info FILE [--json]\n"},
        {{"info", "a.kvt", "b.kvt"}, "Usage: kirvolt-cli info FILE [--json]\n"},
        {{"info", "a.kvt", "--json", "x"}, "Usage: kirvolt-cli info FILE [--json]\n"},
        {{"convert", "a.kvt"}, "Usage: kirvolt-cli convert IN OUT\n"},
        {{"netlist"}, "Usage: kirvolt-cli netlist FILE [OUT.cir]\n"},
        {{"netlist", "a.kvt", "b.cir", "c"}, "Usage: kirvolt-cli netlist FILE [OUT.cir]\n"},
        {{"import", "a.cir"}, "Usage: kirvolt-cli import IN.cir OUT.kvt\n"},
        {{"frobnicate"}, "kirvolt-cli: unknown command 'frobnicate'\nUsage: kirvolt-cli COMMAND ARGUMENTS...\n"},
    };
    for (const auto& [arguments, start] : cases) {
        const CliRun run = cli(arguments);
        EXPECT_EQ(run.status, 2) << start;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind(start, 0), 0u) << run.err;
        EXPECT_NE(run.err.find("kirvolt-cli --help"), std::string::npos);
    }
}

// --method nodal does what each analysing command does without it; a method the program does
// not know is a wrong command line that names the known ones.
TEST_F(CliTest, MethodNodalIsTheDefaultAndAnUnknownMethodIsAWrongCommandLine)
{
    const std::string divider = saveDivider("divider.kvt");
    const std::pair<std::vector<std::string>, std::string> commands[] = {
        {{"analyse", divider, "--json"}, "analyse FILE [--datum N] [--method M] [--json] [--save OUT]"},
        {{"equations", divider}, "equations FILE [--datum N] [--method M] [--json]"},
        {{"matrix", divider, "--latex"}, "matrix FILE [--datum N] [--method M] [--latex]"},
        {{"report", divider, path("out.html")},
         "report FILE OUT.html|OUT.pdf [--datum N] [--method M] [--thevenin A B] [--thevenin-load NAME] [--superposition] "
         "[--formulas]"},
        {{"check", divider, "--node", "2", "(V2 - 12)/R1 + V2/R2 = 0"},
         "check FILE --node NAME|--mesh K|--loop I_B [--datum N] [--method M] [--tree B,B,...] EQUATION"},
    };
    const auto withMethod = [](std::vector<std::string> arguments, const std::string& method) {
        arguments.insert(arguments.begin() + 2, {"--method", method});
        return arguments;
    };
    for (const auto& [arguments, usage] : commands) {
        const CliRun plain = cli(arguments);
        const std::string written = readText(path("out.html"));
        const CliRun nodal = cli(withMethod(arguments, "nodal"));
        EXPECT_EQ(nodal.status, plain.status) << usage;
        EXPECT_EQ(nodal.out, plain.out) << usage;
        EXPECT_EQ(nodal.err, plain.err) << usage;
        EXPECT_EQ(readText(path("out.html")), written) << usage;

        const CliRun unknown = cli(withMethod(arguments, "tableau"));
        EXPECT_EQ(unknown.status, 2) << usage;
        EXPECT_EQ(unknown.out, "") << usage;
        EXPECT_EQ(unknown.err, "kirvolt-cli: unknown method 'tableau'; the methods are: nodal, mesh, loop\nUsage: kirvolt-cli " +
                                   usage + "\nTry 'kirvolt-cli --help' for more information.\n");
    }
}

// --method mesh: the divider's results are the node voltage method's, its one mesh's equation
// is printed, its matrix form is R·I = E, and a drawing with a crossing is refused with exit 1 and what to do.
TEST_F(CliTest, MethodMeshSolvesPrintsItsMeshesAndRefusesACrossing)
{
    const std::string divider = saveDivider("divider.kvt");
    const CliRun nodal = cli({"analyse", divider});
    const CliRun mesh = cli({"analyse", divider, "--method", "mesh"});
    EXPECT_EQ(mesh.status, 0);
    EXPECT_EQ(mesh.out, nodal.out);
    const CliRun equations = cli({"equations", divider, "--method", "mesh", "--json"});
    EXPECT_EQ(equations.status, 0) << equations.err;
    EXPECT_EQ(equations.out, "{\"meshes\":[[\"The voltage drops clockwise round mesh 1 add up to the EMFs that drive its "
                             "current.\",\"R1\\u00b7I1 + R2\\u00b7I1 = E1\",\"10.0\\u00b7I1 + 20.0\\u00b7I1 = 12.0\","
                             "\"30.00\\u00b7I1 = 12.00\"]]}\n");
    const CliRun matrix = cli({"matrix", divider, "--method", "mesh"});
    EXPECT_EQ(matrix.out.substr(0, matrix.out.find('\n')), "The mesh current system R \u00b7 I = E") << matrix.err;

    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    // A wire laid along R1 from terminal to terminal.
    testing::CircuitBuilder(doc).wire(7, 5, 13, 5);
    ASSERT_TRUE(saveCircuit(doc, path("crossed.kvt")).ok);
    const CliRun crossed = cli({"analyse", path("crossed.kvt"), "--method", "mesh"});
    EXPECT_EQ(crossed.status, 1);
    EXPECT_EQ(crossed.out, "");
    EXPECT_EQ(crossed.err.rfind("R1 and W4 cross at grid point (7, 5) without meeting at their ends", 0), 0u) << crossed.err;
}

TEST_F(CliTest, FilesThatCannotBeReadOrWrittenExitWithTwoAndTheMessage)
{
    const std::string divider = saveDivider("divider.kvt");
    std::ofstream(path("junk.kvt")) << "junk";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"info", path("missing.kvt")}, path("missing.kvt") + " was not found.\n"},
        {{"info", path("junk.kvt"), "--json"}, "Unexpected file format.\n"},
        {{"convert", path("junk.kvt"), path("out.kvt")}, "Unexpected file format.\n"},
        {{"convert", divider, path("divider.kvt") + "/out.kvt"}, path("divider.kvt") + "/out.kvt contains an invalid path.\n"},
        {{"netlist", divider, divider}, "Kirvolt could not save " + divider + ": it is the file being read.\n"},
        {{"convert", divider, path("./divider.kvt")},
         "Kirvolt could not save " + path("./divider.kvt") + ": it is the file being read.\n"},
        {{"netlist", divider, path("out.kvt")},
         "Kirvolt could not save " + path("out.kvt") + ": a netlist goes in a file ending in .cir, .net, .sp or .spice.\n"},
        {{"convert", divider, path("out.cir")},
         "Kirvolt could not save " + path("out.cir") + ": a circuit goes in a file ending in .kvt.\n"},
        {{"exercise", "--seed", "3", path("out.cir")},
         "Kirvolt could not save " + path("out.cir") + ": a circuit goes in a file ending in .kvt.\n"},
        {{"info", path("empty.kvt")}, "Kirvolt could not open " + path("empty.kvt") + ": the file is empty.\n"},
        {{"info", "/dev/zero"}, "Kirvolt could not open /dev/zero: it is larger than any circuit of the drawing area could be.\n"},
        {{"import", "/dev/zero", path("out.kvt")},
         "Kirvolt could not open /dev/zero: it is larger than any circuit of the drawing area could be.\n"},
    };
    const std::string before = readText(divider);
    std::ofstream(path("empty.kvt")).close();
    for (const auto& [arguments, message] : cases) {
        const CliRun run = cli(arguments);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_EQ(run.err, message);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(readText(divider), before);
    EXPECT_FALSE(fs::exists(path("out.kvt")) || fs::exists(path("out.cir")));
}

TEST_F(CliTest, ConvertWritesTheSameCircuit)
{
    const std::string divider = saveDivider("divider.kvt");
    const CliRun run = cli({"convert", divider, path("copy.kvt")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readText(path("copy.kvt")), readText(divider));
}

TEST_F(CliTest, InfoPrintsSettingsAndOneLinePerElement)
{
    const CliRun run = cli({"info", saveDivider("divider.kvt")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    std::istringstream lines(run.out);
    std::vector<std::string> text;
    for (std::string line; std::getline(lines, line);) {
        text.push_back(line);
    }
    ASSERT_EQ(text.size(), 4u + 18u);
    EXPECT_EQ(text[0], "Grid size 20, datum node 0, 0 nodes (not valid), 0 branches");
    EXPECT_EQ(text[1], "Counters: resistor 3, voltage source 2, current source 1, voltmeter 1, ammeter 1, wire 4, "
                       "joint 1, spare 1, next node 0");
    EXPECT_EQ(text[3], "18 elements (grid coordinates)");
    EXPECT_EQ(text[4], "    1  CNode          label 0  at (5,5)  node 0");
    EXPECT_EQ(text[6], "    3  CVoltageSource E1  12.0 V  North  (5,5)->(5,11)  nodes 0->0  V 0.00/0.00  pd 12.00 V  "
                       "I 0.00 A");
    EXPECT_EQ(text[9], "    6  CResistor      R1  10.0 ohm  East  (7,5)->(13,5)  nodes 0->0  V 0.00/0.00  pd 0.00 V  "
                       "I 0.00 A");
    EXPECT_EQ(text[13], "   10  CWire          W1  (5,5)->(7,5)  nodes 0->0");
}

TEST_F(CliTest, InfoJsonHoldsEveryStoredField)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    CComponent& r1 = *doc.components[5];
    r1.label = std::string("R\x01\xE9\"\\", 5);
    r1.current = 0.4;
    r1.pd = 1.0 / 3.0;
    doc.nodeCount = 4;
    doc.datumNode = 2;
    ASSERT_TRUE(saveCircuit(doc, path("divider.kvt")).ok);

    const CliRun run = cli({"info", path("divider.kvt"), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const testing::JsonValue json = testing::parseJson(run.out);
    const auto& document = json["document"];
    EXPECT_EQ(document.object().size(), 17u);
    EXPECT_EQ(document["gridSize"].number(), 20);
    EXPECT_EQ(document["resistorCount"].number(), 3);
    EXPECT_EQ(document["wireCount"].number(), 4);
    EXPECT_EQ(document["documentStyle"].number(), 302);
    EXPECT_EQ(document["datumNode"].number(), 2);
    EXPECT_EQ(document["nodeCount"].number(), 4);
    const auto& elements = json["elements"].array();
    ASSERT_EQ(elements.size(), 18u);
    const auto& source = elements[2];
    EXPECT_EQ(source.object().size(), 25u);  // the class and the 24 stored fields
    EXPECT_EQ(source["class"].text(), "CVoltageSource");
    EXPECT_EQ(source["name"].text(), "E1");
    EXPECT_EQ(source["value"].number(), 12.0);
    EXPECT_EQ(source["kindCode"].number(), KIND_VOLTAGE_SOURCE);
    EXPECT_EQ(source["colour"].number(), COLOUR_COMPONENT);
    EXPECT_EQ(source["startPoint"][0].number(), 100);
    EXPECT_EQ(source["startPoint"][1].number(), 100);
    EXPECT_EQ(source["gridFinish"][1].number(), 11);
    EXPECT_EQ(source["hitRect"].array().size(), 4u);
    EXPECT_EQ(source["hitRect"][3].number(), 180);
    const auto& resistor = elements[5];
    EXPECT_EQ(resistor["label"].text(), r1.label);
    EXPECT_EQ(resistor["current"].number(), 0.4);
    EXPECT_EQ(resistor["pd"].number(), 1.0 / 3.0);
    EXPECT_EQ(elements[0]["class"].text(), "CNode");
    EXPECT_EQ(elements[0]["displayState"].number(), DISPLAY_GHOST);
}

TEST_F(CliTest, NetlistWritesTheCircuitToStandardOutputOrToAFile)
{
    const std::string divider = saveDivider("divider.kvt");
    const std::string expected = "divider.kvt\n"
                                 "V1 0 3 DC 12\n"
                                 "R1 0 2 10\n"
                                 "R2 2 3 20\n"
                                 ".op\n"
                                 ".end\n";
    const CliRun printed = cli({"netlist", divider});
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.err, "");
    EXPECT_EQ(printed.out, expected);
    const CliRun written = cli({"netlist", divider, path("divider.cir")});
    EXPECT_EQ(written.status, 0);
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(readText(path("divider.cir")), expected);
}

TEST_F(CliTest, ImportDrawsANetlistThatAnalyseSolves)
{
    std::ofstream(path("divider.cir")) << "Divider\nV1 a 0 DC 12\nR1 a b 10\nR2 b 0 20\n.op\n.end\n";
    const CliRun imported = cli({"import", path("divider.cir"), path("divider.kvt")});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "");
    const CliRun analysed = cli({"analyse", path("divider.kvt")});
    EXPECT_EQ(analysed.status, 0) << analysed.err;
    for (const char* line : {"Node a:   12.00 V.", "Node b:   8.00 V.", "R2:  Vb0 = 8.00 V;   Ib0 = 0.40 A."}) {
        EXPECT_NE(analysed.out.find(line), std::string::npos) << line << "\n" << analysed.out;
    }
}

TEST_F(CliTest, ARefusedNetlistIsNamedByLineAndWritesNoCircuit)
{
    std::ofstream(path("filter.cir")) << "Filter\nR1 in out 1k\nC1 out 0 1u\n";
    const CliRun run = cli({"import", path("filter.cir"), path("filter.kvt")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Line 3: C1 is a capacitor. Kirvolt reads only resistors (R), voltage sources (V) and current "
                       "sources (I).\n");
    EXPECT_FALSE(fs::exists(path("filter.kvt")));
}

// The bundled examples are checked byte for byte against their generator elsewhere; the tool
// reads the divider among them.
TEST_F(CliTest, BundledExampleIsTheVoltageDivider)
{
    const std::string example = std::string(KIRVOLT_EXAMPLES_DIR) + "/voltage_divider.kvt";
    const CliRun run = cli({"info", example});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("CResistor      R2  20.0 ohm  South"), std::string::npos);
}

}  // namespace
}  // namespace kirvolt
