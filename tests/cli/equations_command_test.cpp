#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "cli/command.h"
#include "cli/stderr_port.h"
#include "document/circuit_file.h"
#include "drawing/circuit_painter.h"
#include "editing/command_ids.h"
#include "editing/document_commands.h"
#include "support/recording_surface.h"
#include "support/json_reader.h"
#include "support/sample_circuits.h"
#include "command_run.h"

namespace kirvolt {
namespace {

namespace fs = std::filesystem;

using Outcome = testing::ToolRun;

using NodeLines = std::array<std::string, 6>;

// The voltage divider: E1 (12 V, + at the datum node 1) and R1 = 10 ohm, R2 = 20 ohm in series,
// so V2 = -4 V and V3 = -12 V.
const NodeLines dividerLines[] = {
    {"", "V1 = 0 Volt.", "V1 = 0 Volt.", "V1 = 0 Volt.", "V1 = 0 Volt.", "V1 = 0 Volt."},
    {"Sum of flow-out currents via Resistors R1, R2    =    0    , because no current source is connected to "
     "Node  2  .",
     "( V2 -  0 ) * ( 1/R1  ) +  ( V2 -  V3 ) * ( 1/R2  )   =   0", "( 1/R1 + 1/R2  ) * V2 - (1/R2  ) * V3   =   0",
     "( 1/10.0 + 1/20.0  ) * V2 - (1/20.0  ) * V3   =   0", "( 0.1500 ) * V2 - (0.0500 ) * V3   =   0",
     "V2 =  -4.00 Volt."},
    {"This node is directly connected to the datum node via the Voltage Source  E1.", "V3  =   ( -E1 ) ",
     "V3  =   ( -E1 ) ", "V3  =   ( -12.00V ) ", "V3  =  -12.00V", "V3 = -12.00 Volt."},
};

class EquationsCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("kirvolt_equations_" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    std::string saveDivider() const
    {
        CKirvoltDoc doc;
        testing::buildVoltageDivider(doc);
        EXPECT_TRUE(saveCircuit(doc, path("divider.kvt")).ok);
        return path("divider.kvt");
    }

    static Outcome equations(const cli::Arguments& arguments)
    {
        return testing::runInProcess(cli::equationsCommand, arguments);
    }

    fs::path dir;
};

TEST_F(EquationsCommand, PrintsEveryNodesSixLines)
{
    const Outcome run = equations({saveDivider()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::string expected;
    for (int node = 1; node <= 3; ++node) {
        expected += "Node " + std::to_string(node) + ":\n";
        for (const std::string& line : dividerLines[node - 1]) {
            expected += line + "\n";
        }
    }
    EXPECT_EQ(run.out, expected);
}

TEST_F(EquationsCommand, JsonKeysTheLinesByNodeNumber)
{
    const Outcome run = equations({"--json", saveDivider()});
    ASSERT_EQ(run.status, 0) << run.err;
    const testing::JsonValue json = testing::parseJson(run.out);
    const testing::JsonValue::Object& nodes = json["equations"].object();
    ASSERT_EQ(nodes.size(), 3u);
    for (int node = 1; node <= 3; ++node) {
        const auto& lines = nodes.at(std::to_string(node)).array();
        ASSERT_EQ(lines.size(), 6u);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(lines[i].text(), dividerLines[node - 1][i]) << "node " << node << ", line " << i + 1;
        }
    }
}

TEST_F(EquationsCommand, ChosenDatumNodeGetsTheDatumLines)
{
    const Outcome run = equations({saveDivider(), "--datum", "2", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const testing::JsonValue json = testing::parseJson(run.out);
    const auto& node2 = json["equations"]["2"].array();
    EXPECT_EQ(node2[0].text(), "");
    for (std::size_t i = 1; i < 6; ++i) {
        EXPECT_EQ(node2[i].text(), "V2 = 0 Volt.");
    }
    EXPECT_EQ(json["equations"]["3"][5].text(), "V3 =  -8.00 Volt.");
}

TEST_F(EquationsCommand, RefusedCircuitGivesTheMessageAndExitOne)
{
    CKirvoltDoc empty;
    ASSERT_TRUE(saveCircuit(empty, path("empty.kvt")).ok);
    const Outcome run = equations({path("empty.kvt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Create your circuit first.\n");
}

TEST_F(EquationsCommand, WrongArgumentsAndUnreadableFiles)
{
    const std::string input = saveDivider();
    for (const cli::Arguments& arguments : std::vector<cli::Arguments>{
             {}, {"--json"}, {input, "--datum"}, {input, "--json", "--json"},
             {input, input}, {input, "--save", path("out.kvt")}}) {
        EXPECT_EQ(equations(arguments).status, cli::BAD_USAGE) << ::testing::PrintToString(arguments);
    }
    const Outcome missing = equations({path("missing.kvt")});
    EXPECT_EQ(missing.status, cli::EXIT_FAILED);
    EXPECT_EQ(missing.err, path("missing.kvt") + " was not found.\n");
}

// The mesh current method lists its equations as the node voltage method does, by heading and
// lines, and in sequence where the nodes are keyed by name.
TEST_F(EquationsCommand, MeshMethodPrintsEveryMeshsFourLines)
{
    const std::string input = std::string(KIRVOLT_EXAMPLES_DIR) + "/chain_of_sources.kvt";
    const std::vector<std::string> meshLines = {
        "The voltage drops clockwise round mesh 1 add up to the EMFs that drive its current.",
        "R1·(I1 − I2) = E2 + E1", "10.0·(I1 − I2) = 3.00 + 5.00", "10.00·I1 − 10.00·I2 = 8.00",
        "The voltage drops clockwise round mesh 2 add up to the EMFs that drive its current.",
        "R2·I2 + R1·(I2 − I1) = E3", "20.0·I2 + 10.0·(I2 − I1) = 2.00", "−10.00·I1 + 30.00·I2 = 2.00"};
    const Outcome text = equations({input, "--method", "mesh"});
    ASSERT_EQ(text.status, 0) << text.err;
    std::string expected;
    for (std::size_t i = 0; i < meshLines.size(); ++i) {
        expected += (i % 4 == 0 ? "Mesh " + std::to_string(i / 4 + 1) + ":\n" : "") + meshLines[i] + "\n";
    }
    EXPECT_EQ(text.out, expected);
    const Outcome json = equations({input, "--method", "mesh", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out, std::string(R"({"meshes":[["The voltage drops clockwise round mesh 1 add up to the EMFs that drive its current.",)") +
                            R"("R1\u00b7(I1 \u2212 I2) = E2 + E1",)" +
                            R"("10.0\u00b7(I1 \u2212 I2) = 3.00 + 5.00",)" +
                            R"("10.00\u00b7I1 \u2212 10.00\u00b7I2 = 8.00"],["The voltage drops clockwise round mesh 2 add up to the EMFs that drive its current.",)" +
                            R"("R2\u00b7I2 + R1\u00b7(I2 \u2212 I1) = E3",)" +
                            R"("20.0\u00b7I2 + 10.0\u00b7(I2 \u2212 I1) = 2.00",)" +
                            R"("\u221210.00\u00b7I1 + 30.00\u00b7I2 = 2.00"]]}
)");
}

// The texts of the equations panel, title first, as the circuit's view paints them: the run of
// texts at the panel's left edge from its title on.
std::vector<std::string> panelTexts(const CKirvoltDoc& doc)
{
    testing::RecordingSurface surface;
    PaintView(doc, surface, documentPaintOptions(doc));
    std::vector<std::string> texts;
    for (const testing::Text& text : surface.texts) {
        if (text.at.x != 20 && !texts.empty()) {
            break;
        }
        if (text.at.x == 20 && (!texts.empty() || text.text.ends_with(" for the circuit drawn above are:"))) {
            texts.push_back(text.text);
        }
    }
    return texts;
}

// After an analysis the equations panel shows the equations of the method it used, line for
// line as the equations command prints them, under their title; after the node voltage method
// it lays out the node equations block by block again.
TEST_F(EquationsCommand, ThePanelShowsTheEquationsOfTheMethodLastUsed)
{
    struct Case {
        int command;
        std::string method;
        std::string title;
    };
    const Case cases[] = {
        {ID_ANALYSE_MESH_CURRENT, "mesh", "Mesh equations for the circuit drawn above are:"},
        {ID_ANALYSE_LOOP_CURRENT, "loop", "Loop equations for the circuit drawn above are:"},
        {ID_ANALYSE_NODE_VOLTAGE, "", "Nodal Equations for the circuit drawn above are:"},
        {ID_ANALYSE_LOOP_CURRENT, "loop", "Loop equations for the circuit drawn above are:"},
    };
    for (const std::string example : {"chain_of_sources.kvt", "two_sources.kvt", "current_divider.kvt"}) {
        const std::string input = std::string(KIRVOLT_EXAMPLES_DIR) + "/" + example;
        CKirvoltDoc doc;
        ASSERT_TRUE(loadCircuit(input, doc).ok) << example;
        ASSERT_TRUE(runDocumentCommand(doc, ID_SHOW_EQUATION));
        for (const Case& c : cases) {
            ASSERT_TRUE(runDocumentCommand(doc, c.command));
            ASSERT_TRUE(doc.resultsAreCurrent()) << example << " " << c.method;
            const std::vector<std::string> panel = panelTexts(doc);
            ASSERT_GE(panel.size(), 2u) << example << " " << c.method;
            EXPECT_EQ(panel[0], c.title) << example;
            if (c.method.empty()) {
                EXPECT_EQ(panel.size(), 1 + 5 * static_cast<std::size_t>(doc.nodeCount) + 4) << example;
                EXPECT_EQ(panel[1], "Node 1: " + doc.equationText[1][2]) << example;
                continue;
            }
            const Outcome printed = equations({input, "--method", c.method});
            ASSERT_EQ(printed.status, 0) << printed.err;
            std::string shown;
            for (std::size_t k = 1; k < panel.size(); ++k) {
                shown += panel[k] + '\n';
            }
            EXPECT_EQ(shown, printed.out) << example << " " << c.method;
        }
    }
}

TEST_F(EquationsCommand, TheToolDispatchesToTheCommand)
{
    const std::string command = std::string("'") + KIRVOLT_CLI_PATH + "' equations '" + saveDivider() + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        out += buffer;
    }
    const int raw = ::pclose(pipe);
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 0);
    EXPECT_EQ(out.substr(0, out.find('\n')), "Node 1:");
    EXPECT_NE(out.find("V3 = -12.00 Volt.\n"), std::string::npos);
}

}  // namespace
}  // namespace kirvolt
