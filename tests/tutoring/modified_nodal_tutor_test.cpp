#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "analysis/nodal_solver.h"
#include "analysis/named_system.h"
#include "analysis/node_extraction.h"
#include "equations/system_numbers.h"
#include "support/example_circuits.h"
#include "support/generated_circuits.h"
#include "support/lattice_circuits.h"
#include "support/sample_circuits.h"
#include "support/scripted_port.h"
#include "tutoring/modified_nodal_run.h"

namespace kirvolt {
namespace {

using testing::LatticeCircuit;
using testing::ScriptedPort;

constexpr bool H = true;
constexpr bool V = false;

// E1 = 12 V up the left, R1 = 10 and R2 = 20 ohm along the top, R3 = 30 ohm down the middle,
// J1 = 0.5 A down the right and wires along the bottom, which is the datum node. By hand:
// V1 = 12, (V3 - 12)/10 + V3/30 + (V3 - V4)/20 = 0 and (V4 - V3)/20 + 0.5 = 0 give V3 = 5.25,
// V4 = -4.75, and E1 takes (12 - 5.25)/10 = 0.675 A out of its + terminal: I(E1) = -0.675.
LatticeCircuit sourceAndLadder()
{
    return {2, 1, {{V, 0, 0, KIND_VOLTAGE_SOURCE, 12}, {H, 0, 0, KIND_RESISTOR, 10}, {H, 1, 0, KIND_RESISTOR, 20},
                   {V, 1, 0, KIND_RESISTOR, 30}, {V, 2, 0, KIND_CURRENT_SOURCE, 0.5}, {H, 0, 1, KIND_WIRE},
                   {H, 1, 1, KIND_WIRE}}};
}

// G | b with the entries the page changed in brackets, one line per row.
std::string entriesOf(const ModifiedNodalPage& page)
{
    std::string text;
    for (std::size_t r = 0; r < page.b.size(); ++r) {
        for (std::size_t c = 0; c <= page.b.size(); ++c) {
            const std::string cell = c < page.b.size() ? coefficientText(page.g[r][c]) : rightSideText(page.b[r]);
            text += (c == page.b.size() ? " | " : c == 0 ? "" : " ") + (page.isChanged(r, c) ? "[" + cell + "]" : cell);
        }
        text += "\n";
    }
    return text;
}

// Answers the tutor's windows as told and notes what each saw.
class ScriptedLesson final : public ModifiedNodalWindows {
public:
    bool showNotes() override
    {
        seen.push_back("notes");
        return start;
    }

    bool showPage(const ModifiedNodalLesson& lesson, const ModifiedNodalPage& page) override
    {
        seen.push_back("page");
        columns = lesson.columns;
        rows = lesson.rows;
        std::string marked;
        for (const auto& c : doc->components) {
            marked += page.highlight.isRed(*c) ? c->label + " " : "";
        }
        pages.push_back(std::to_string(page.step) + (page.last ? " last" : "") + " [" + marked + "]\n" + page.text);
        entries.push_back(entriesOf(page));
        return static_cast<int>(pages.size()) != cancelAt;
    }

    const CKirvoltDoc* doc = nullptr;
    bool start = true;
    int cancelAt = 0;
    std::vector<std::string> seen;
    std::vector<std::string> columns;
    std::vector<std::string> rows;
    std::vector<std::string> pages;
    std::vector<std::string> entries;
};

struct TutorRun {
    CKirvoltDoc doc;
    ScriptedPort port;
    ScriptedLesson windows;

    explicit TutorRun(const LatticeCircuit& circuit)
    {
        doc.setPort(&port);
        testing::drawLattice(circuit, doc);
        buildNodes(doc);
        doc.datumNode = nodeAt(testing::latticePoint(0, 1));
        windows.doc = &doc;
    }

    int nodeAt(Point grid) const
    {
        for (const auto& c : doc.components) {
            if (c->kindCode == KIND_JOINT && c->gridPosition == grid) {
                return c->startNode;
            }
        }
        return 0;
    }
};

// Every window of the lesson on a textbook circuit, its text, what it marks and the system as
// it grows, each element's entries bracketed.
TEST(ModifiedNodalTutor, StepsOfATextbookCircuit)
{
    TutorRun run(sourceAndLadder());
    runModifiedNodalTutor(run.doc, run.windows);
    EXPECT_EQ(run.port.messages(), std::vector<std::string>{});
    EXPECT_EQ(run.windows.columns, (std::vector<std::string>{"V1", "V3", "V4", "I(E1)"}));
    EXPECT_EQ(run.windows.rows, (std::vector<std::string>{"Node 1", "Node 3", "Node 4", "E1"}));
    EXPECT_EQ(run.windows.seen, (std::vector<std::string>{"notes", "page", "page", "page", "page", "page", "page", "page"}));
    const std::vector<std::string> pages = {
        "1 []\n"
         "The datum node 2 is at 0 V: its voltage is known, so it is no unknown.\n"
         "\n"
         "The unknowns are:\n"
         "    V1      the voltage of node 1\n"
         "    V3      the voltage of node 3\n"
         "    V4      the voltage of node 4\n"
         "    I(E1)   the current through E1, from its + terminal to its - terminal\n"
         "\n"
         "There is one voltage for each node other than the datum node (3), and one current for each voltage "
         "source (1), since no element law gives the current through an ideal voltage source: 4 unknowns, and "
         "as many equations to find them.\n"
         "\n"
         "An entry of G is named by its row, the equation of a node or source, and its column, the unknown it "
         "multiplies: (Node 1, V1). G and b start at zero; each element adds its own entries.",
        "2 [E1 ]\n"
         "E1 = 12.00 V holds node 1, at its + terminal, 12.00 V above the datum node 2, at its − terminal. No "
         "element law gives its current, so I(E1), flowing from its + terminal through it to its − terminal, "
         "has a column of its own: +1 in Node 1's row, where it leaves the node (the datum has no row). E1's "
         "own row is the law it does obey, V1 = 12.00: +1 in V1's column, and its EMF 12.00 in b.",
        "2 [R1 ]\n"
         "R1 = 10.00 ohm joins node 1 and node 3. The current it carries from node 1 to node 3 is (V1 − "
         "V3)/R1: it leaves node 1 and enters node 3. So its conductance 1/R1 = 0.1000 is added to G at (Node "
         "1, V1) and (Node 3, V3), where each row meets its own node's voltage, and taken from G at (Node 1, "
         "V3) and (Node 3, V1), where it meets the other end's.",
        "2 [R2 ]\n"
         "R2 = 20.00 ohm joins node 3 and node 4. The current it carries from node 3 to node 4 is (V3 − "
         "V4)/R2: it leaves node 3 and enters node 4. So its conductance 1/R2 = 0.0500 is added to G at (Node "
         "3, V3) and (Node 4, V4), where each row meets its own node's voltage, and taken from G at (Node 3, "
         "V4) and (Node 4, V3), where it meets the other end's.",
        "2 [R3 ]\n"
         "R3 = 30.00 ohm joins node 3 and the datum node 2. The current it carries out of node 3 is V3/R3, "
         "since the datum is at 0 V. So its conductance 1/R3 = 0.0333 is added to G at (Node 3, V3) alone: "
         "the datum has no row and no column.",
        "2 [J1 ]\n"
         "J1 = 0.50 A drives its current out of node 4 and into the datum node 2. KCL sums the currents "
         "leaving each node through the resistors, so a known current goes to the right-hand side: −0.50 is "
         "added to b in Node 4's row alone, since the datum has no row.",
        "3 last []\n"
         "Every element is in. Solving the 4 equations together gives every unknown at once:\n"
         "\n"
         "    V1 = 12.00 V\n"
         "    V3 = 5.25 V\n"
         "    V4 = -4.75 V\n"
         "    I(E1) = -0.68 A\n"
         "\n"
         "I(E1) is negative: the current flows from the − terminal through E1 to its + terminal, so E1 "
         "delivers power to the circuit.\n"
         "\n"
         "These are the results Analyse gives, and View > Matrix Form shows this same system.",
    };
    EXPECT_EQ(run.windows.pages, pages);
    const std::vector<std::string> entries = {
        "0 0 0 0 | 0\n"
         "0 0 0 0 | 0\n"
         "0 0 0 0 | 0\n"
         "0 0 0 0 | 0\n",
        "0 0 0 [1.000] | 0\n"
         "0 0 0 0 | 0\n"
         "0 0 0 0 | 0\n"
         "[1.000] 0 0 0 | [12.00]\n",
        "[0.1000] [-0.1000] 0 1.000 | 0\n"
         "[-0.1000] [0.1000] 0 0 | 0\n"
         "0 0 0 0 | 0\n"
         "1.000 0 0 0 | 12.00\n",
        "0.1000 -0.1000 0 1.000 | 0\n"
         "-0.1000 [0.1500] [-0.0500] 0 | 0\n"
         "0 [-0.0500] [0.0500] 0 | 0\n"
         "1.000 0 0 0 | 12.00\n",
        "0.1000 -0.1000 0 1.000 | 0\n"
         "-0.1000 [0.1833] -0.0500 0 | 0\n"
         "0 -0.0500 0.0500 0 | 0\n"
         "1.000 0 0 0 | 12.00\n",
        "0.1000 -0.1000 0 1.000 | 0\n"
         "-0.1000 0.1833 -0.0500 0 | 0\n"
         "0 -0.0500 0.0500 0 | [-0.50]\n"
         "1.000 0 0 0 | 12.00\n",
        "0.1000 -0.1000 0 1.000 | 0\n"
         "-0.1000 0.1833 -0.0500 0 | 0\n"
         "0 -0.0500 0.0500 0 | -0.50\n"
         "1.000 0 0 0 | 12.00\n",
    };
    EXPECT_EQ(run.windows.entries, entries);
}

// A source between two nodes neither of which is the datum writes both its ends. By hand:
// V1/10 + 0.5 = 0, V3 - V4 = 6 and V3/30 + V4/20 = 0.5 give V1 = -5, V4 = 3.6, V3 = 9.6, and
// the 0.18 A that R3 takes from node 4 comes through E1: I(E1) = 0.18.
TEST(ModifiedNodalTutor, SourcesBetweenTwoNodesWriteBothEnds)
{
    TutorRun run({2, 1, {{V, 0, 0, KIND_RESISTOR, 10}, {H, 0, 0, KIND_CURRENT_SOURCE, 0.5}, {H, 1, 0, KIND_VOLTAGE_SOURCE, 6},
                         {V, 1, 0, KIND_RESISTOR, 30}, {V, 2, 0, KIND_RESISTOR, 20}, {H, 0, 1, KIND_WIRE},
                         {H, 1, 1, KIND_WIRE}}});
    runModifiedNodalTutor(run.doc, run.windows);
    EXPECT_EQ(run.port.messages(), std::vector<std::string>{});
    EXPECT_EQ(run.windows.columns, (std::vector<std::string>{"V1", "V3", "V4", "I(E1)"}));
    ASSERT_EQ(run.windows.pages.size(), 7u);
    EXPECT_EQ(run.windows.pages[2], "2 [J1 ]\nJ1 = 0.50 A drives its current out of node 1 and into node 3. KCL sums the "
                                    "currents leaving each node through the resistors, so a known current goes to the "
                                    "right-hand side: \u22120.50 is added to b in Node 1's row and +0.50 in Node 3's row.");
    EXPECT_EQ(run.windows.entries[2], "0.1000 0 0 0 | [-0.50]\n0 0 0 0 | [0.50]\n0 0 0 0 | 0\n0 0 0 0 | 0\n");
    EXPECT_EQ(run.windows.pages[3],
              "2 [E1 ]\nE1 = 6.00 V holds node 3, at its + terminal, 6.00 V above node 4, at its \u2212 terminal. "
              "No element "
              "law gives its current, so I(E1), flowing from its + terminal through it to its \u2212 terminal, has "
              "a column "
              "of its own: +1 in Node 3's row, where it leaves the node, and \u22121 in Node 4's row, where it "
              "enters. E1's "
              "own row is the law it does obey, V3 \u2212 V4 = 6.00: +1 in V3's column, \u22121 in V4's, and its EMF 6.00 in b.");
    EXPECT_EQ(run.windows.entries[3], "0.1000 0 0 0 | -0.50\n0 0 0 [1.000] | 0.50\n0 0 0 [-1.000] | 0\n"
                                      "0 [1.000] [-1.000] 0 | [6.00]\n");
    EXPECT_NE(run.windows.pages[6].find("    V1 = -5.00 V\n    V3 = 9.60 V\n    V4 = 3.60 V\n    I(E1) = 0.18 A\n\n"
                                        "These are the results"),
              std::string::npos)
        << run.windows.pages[6];
}

// The lesson's last G and b are, entry for entry and bit for bit, the system the analysis kept,
// which Matrix Form shows, in its order of unknowns.
void expectFinalSystemIsTheAnalysed(CKirvoltDoc& doc, const std::string& what)
{
    const AnalysisOutcome outcome = runNodalAnalysis(doc);
    ASSERT_TRUE(outcome.system.has_value()) << what;
    const NamedSystem& shown = *outcome.system;
    const ModifiedNodalLesson lesson = modifiedNodalLesson(doc, shown);
    ASSERT_GE(lesson.pages.size(), 2u) << what;
    const ModifiedNodalPage& last = lesson.pages.back();
    EXPECT_TRUE(last.last) << what;
    EXPECT_EQ(last.g, shown.g) << what;
    EXPECT_EQ(last.b, shown.b) << what;
    EXPECT_EQ(last.g, namedNodalSystem(doc).g) << what;
    ASSERT_EQ(lesson.columns.size(), shown.unknowns.size()) << what;
    for (std::size_t k = 0; k < shown.unknowns.size(); ++k) {
        EXPECT_EQ(lesson.columns[k], shown.unknowns[k].symbol) << what;
    }
    // The first page starts from nothing; each element's page changes only what it marks.
    for (const double entry : lesson.pages.front().b) {
        EXPECT_EQ(entry, 0.0) << what;
    }
    for (std::size_t p = 1; p < lesson.pages.size(); ++p) {
        const ModifiedNodalPage& before = lesson.pages[p - 1];
        const ModifiedNodalPage& page = lesson.pages[p];
        for (std::size_t r = 0; r < page.b.size(); ++r) {
            for (std::size_t c = 0; c < page.b.size(); ++c) {
                EXPECT_TRUE(page.g[r][c] == before.g[r][c] || page.isChanged(r, c)) << what << " page " << p;
            }
            EXPECT_TRUE(page.b[r] == before.b[r] || page.isChanged(r, page.b.size())) << what << " page " << p;
        }
    }
}

TEST(ModifiedNodalTutor, FinalSystemOfEveryExampleIsTheMatrixForms)
{
    int taught = 0;
    for (const testing::ExampleCircuit& example : testing::exampleCircuits()) {
        CKirvoltDoc doc;
        testing::buildExample(example, doc);
        if (!runNodalAnalysis(doc)) {
            continue;
        }
        expectFinalSystemIsTheAnalysed(doc, example.fileName);
        ++taught;
    }
    EXPECT_GE(taught, 15);
}

TEST(ModifiedNodalTutor, FinalSystemOfRandomCircuitsIsTheMatrixForms)
{
    std::mt19937 random(2808);
    int taught = 0;
    for (int k = 0; k < 300; ++k) {
        CKirvoltDoc doc;
        testing::drawLattice(testing::randomLatticeCircuit(random), doc);
        if (!runNodalAnalysis(doc)) {
            continue;
        }
        expectFinalSystemIsTheAnalysed(doc, "circuit " + std::to_string(k));
        ++taught;
    }
    EXPECT_GE(taught, 80);
}

// A circuit the analysis refuses never reaches the notes: the analysis's own message says why.
TEST(ModifiedNodalTutor, RefusedCircuitsGetTheAnalysisMessageBeforeAnyWindow)
{
    std::string expected;
    {
        CKirvoltDoc analysed;
        testing::buildThreeFaults(analysed);
        expected = runNodalAnalysis(analysed).refusal.value().message;
    }
    CKirvoltDoc doc;
    ScriptedPort port;
    doc.setPort(&port);
    testing::buildThreeFaults(doc);
    ScriptedLesson windows;
    windows.doc = &doc;
    runModifiedNodalTutor(doc, windows);
    EXPECT_EQ(port.messages(), std::vector<std::string>{expected});
    EXPECT_EQ(windows.seen, std::vector<std::string>{});

    CKirvoltDoc empty;
    empty.setPort(&port);
    runModifiedNodalTutor(empty, windows);
    EXPECT_EQ(port.messages().back(), "Create your circuit first.");
    EXPECT_EQ(windows.seen, std::vector<std::string>{});
}

TEST(ModifiedNodalTutor, SystemsTooLargeToShowAreRefusedWithTheLimit)
{
    EXPECT_EQ(modifiedNodalTutorRefusal(MODIFIED_NODAL_TUTOR_LIMIT), std::nullopt);
    CKirvoltDoc doc;
    ScriptedPort port;
    doc.setPort(&port);
    testing::drawLadder(doc, 14);
    ScriptedLesson windows;
    windows.doc = &doc;
    runModifiedNodalTutor(doc, windows);
    EXPECT_EQ(port.messages(),
              std::vector<std::string>{"The Modified Nodal Analysis Tutor builds systems of up to 10 unknowns, which its "
                                       "windows show whole; this circuit has 14. View > Matrix Form shows its system."});
    EXPECT_EQ(windows.seen, std::vector<std::string>{});
}

// "Return" on the notes and "Cancel" on a page end the lesson there.
TEST(ModifiedNodalTutor, LeavingEndsTheLesson)
{
    TutorRun notes(sourceAndLadder());
    notes.windows.start = false;
    runModifiedNodalTutor(notes.doc, notes.windows);
    EXPECT_EQ(notes.windows.seen, std::vector<std::string>{"notes"});

    TutorRun pages(sourceAndLadder());
    pages.windows.cancelAt = 2;
    runModifiedNodalTutor(pages.doc, pages.windows);
    EXPECT_EQ(pages.windows.seen, (std::vector<std::string>{"notes", "page", "page"}));
}

}  // namespace
}  // namespace kirvolt
