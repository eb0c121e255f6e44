#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "analysis/macro_node.h"
#include "analysis/nodal_solver.h"
#include "analysis/node_names.h"
#include "document/circuit_file.h"
#include "equations/all_equations.h"
#include "equations/equation_check.h"
#include "support/random_circuits.h"

namespace kirvolt {
namespace {

using Kind = EquationVerdict::Kind;

const std::string EXAMPLES = KIRVOLT_EXAMPLES_DIR;

std::string line(const CKirvoltDoc& doc, int node, int number)
{
    return doc.equationText[static_cast<std::size_t>(node)][static_cast<std::size_t>(number)];
}

// The same equation rearranged as students do: sides swapped, both negated, brought to one
// side and scaled, divided through by a value with a prefix.
std::vector<std::string> rearranged(const std::string& equation)
{
    const std::size_t equals = equation.find('=');
    const std::string left = equation.substr(0, equals);
    const std::string right = equation.substr(equals + 1);
    return {equation,
            right + " = " + left,
            "-(" + left + ") = -(" + right + ")",
            "2*(" + left + ") - 2*(" + right + ") = 0",
            "0 = (" + right + ")*4.7k - (" + left + ")*4.7k",
            "(" + left + ")/10m = (" + right + ")/10m"};
}

// The node's equation as the equation display writes it, from words down to numbers: at a
// member of a macro node its combined equation, at a node the sources tie to the datum its
// voltage.
std::vector<std::string> shownEquations(const CKirvoltDoc& doc, int node)
{
    const std::vector<int> members = collectMacroNode(doc, node);
    if (std::ranges::find(members, doc.datumNode) != members.end()) {
        return node == doc.datumNode ? std::vector<std::string>{} : std::vector<std::string>{line(doc, node, 3)};
    }
    const int first = firstMacroNode(members);
    return {line(doc, first, 2), line(doc, first, 3), line(doc, first, 4)};
}

std::vector<std::filesystem::path> exampleFiles()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(EXAMPLES)) {
        if (entry.path().extension() == ".kvt") {
            files.push_back(entry.path());
        }
    }
    std::ranges::sort(files);
    return files;
}

TEST(CheckNodeEquation, EveryExampleNodeAcceptsItsEquationInManyForms)
{
    int checked = 0;
    for (const auto& file : exampleFiles()) {
        CKirvoltDoc doc;
        ASSERT_TRUE(loadCircuit(file.string(), doc).ok) << file;
        if (!runNodalAnalysis(doc)) {
            continue;
        }
        writeAllEquations(doc);
        for (int node = 1; node <= doc.nodeCount; ++node) {
            for (const std::string& shown : shownEquations(doc, node)) {
                for (const std::string& form : rearranged(shown)) {
                    const EquationVerdict verdict = checkNodeEquation(doc, node, form);
                    EXPECT_EQ(verdict.kind, Kind::Right) << file.filename() << " node " << node << ": " << form
                                                         << "\n" << verdict.message;
                    ++checked;
                }
            }
        }
        EXPECT_EQ(checkNodeEquation(doc, doc.datumNode, "V" + nodeName(doc, doc.datumNode) + " = 0").kind,
                  Kind::Right)
            << file.filename();
    }
    EXPECT_GT(checked, 300);
}

// Draws random circuits from the seed and hands each one the analysis solves to the visit, with
// its round and what the analysis returned; gives how many were solved.
int visitSolvedRandomCircuits(unsigned seed, int rounds,
                              const std::function<void(int, CKirvoltDoc&, const AnalysisOutcome&)>& visit)
{
    testing::CircuitGenerator generator(seed);
    int solved = 0;
    for (int round = 0; round < rounds; ++round) {
        const testing::RandomCircuit circuit = generator.next();
        testing::DrawnCircuit drawn(circuit, generator);
        drawn.buildAndChooseDatum();
        if (const AnalysisOutcome outcome = runNodalAnalysis(drawn.doc)) {
            ++solved;
            visit(round, drawn.doc, outcome);
        }
    }
    return solved;
}

TEST(CheckNodeEquation, RandomCircuitsAcceptTheirOwnEquationsAndRefuseTheirNeighbours)
{
    const int solved = visitSolvedRandomCircuits(4711, 120, [](int round, CKirvoltDoc& doc, const AnalysisOutcome&) {
        writeAllEquations(doc);
        for (int node = 1; node <= doc.nodeCount; ++node) {
            // Random values are shown rounded, so only the lines with names are exact.
            std::vector<std::string> shown = shownEquations(doc, node);
            shown.resize(std::min<std::size_t>(shown.size(), 2));
            for (const std::string& equation : shown) {
                EXPECT_EQ(checkNodeEquation(doc, node, equation).kind, Kind::Right)
                    << "round " << round << " node " << node << ": " << equation << "\n"
                    << checkNodeEquation(doc, node, equation).message;
            }
            if (collectMacroNode(doc, node).size() > 1 || node == doc.datumNode) {
                continue;
            }
            for (int other = 1; other <= doc.nodeCount; ++other) {
                if (other != node && other != doc.datumNode && collectMacroNode(doc, other).size() == 1) {
                    EXPECT_EQ(checkNodeEquation(doc, node, line(doc, other, 3)).kind, Kind::Wrong)
                        << "round " << round << ": node " << other << "'s equation taken for node " << node;
                }
            }
        }
    });
    EXPECT_GT(solved, 60);
}

// The rows of the system the analysis solved, summed over a macro node and written out with
// every digit, scaled by a factor: the check must take each as right, since it judges a typed
// equation against the system's own rows.
std::string scaledRowsText(const NamedSystem& system, const CKirvoltDoc& doc, const std::vector<int>& members)
{
    std::vector<double> sum(system.unknowns.size(), 0.0);
    double right = 0.0;
    for (int member : members) {
        const auto row = static_cast<std::size_t>(doc.nodeMap[static_cast<std::size_t>(member)] - 1);
        for (std::size_t column = 0; column < sum.size(); ++column) {
            sum[column] += system.g[row][column];
        }
        right += system.b[row];
    }
    char number[40];
    std::string left;
    for (std::size_t column = 0; column < sum.size(); ++column) {
        // The currents of the sources between the members cancel; the reader knows no I(E1).
        if (sum[column] != 0.0 && system.unknowns[column].letter == "V") {
            std::snprintf(number, sizeof number, "%.17g", std::abs(sum[column]));
            left += (sum[column] < 0 ? " - " : " + ") + std::string(number) + "*" + system.unknowns[column].symbol;
        }
    }
    std::snprintf(number, sizeof number, "%.17g", right);
    return "-2.5*(0" + left + ") = -2.5*(" + number + ")";
}

TEST(CheckNodeEquation, ARowOfTheSolvedSystemIsRight)
{
    int checked = 0;
    visitSolvedRandomCircuits(1913, 60, [&checked](int round, CKirvoltDoc& doc, const AnalysisOutcome& outcome) {
        for (int node = 1; node <= doc.nodeCount; ++node) {
            const std::vector<int> members = collectMacroNode(doc, node);
            if (std::ranges::find(members, doc.datumNode) != members.end()) {
                continue;
            }
            const std::string text = scaledRowsText(*outcome.system, doc, members);
            const EquationVerdict verdict = checkNodeEquation(doc, node, text);
            EXPECT_EQ(verdict.kind, Kind::Right) << "round " << round << " node " << node << ": " << text << "\n"
                                                 << verdict.message;
            ++checked;
        }
    });
    EXPECT_GT(checked, 100);
}

struct FaultCase {
    const char* file;
    const char* node;
    const char* equation;
    Kind kind;
    const char* message;
};

// mixed_sources: node 4 has R3 (20 ohm) to node 3, R4 (15 ohm) to the datum and J1 (0.3 A) in.
// macro_node_without_datum: E2 (4 V) ties node 4 to node 3; R1 (10 ohm) joins node 3 to node
// 1, R2 (20 ohm) node 3 and R3 (30 ohm) node 4 to the datum.
const FaultCase FAULTS[] = {
    {"mixed_sources", "4", "(V4-V3)/R3 + V4/R4 = J1", Kind::Right, "Right: this is the KCL equation of node 4."},
    {"mixed_sources", "4", "V4*(1/R3+1/R4) - V3/R3 = J1", Kind::Right, "Right: this is the KCL equation of node 4."},
    {"mixed_sources", "4", "-J1 + (V4-V3)/20 + V4/15 = 0", Kind::Right, "Right: this is the KCL equation of node 4."},
    {"mixed_sources", "4", "(V4-V3)/R3 = J1", Kind::Wrong,
     "Not yet: this is not the KCL equation of node 4.\n"
     "The term for R4 is missing: current leaves node 4 through R4, V4/R4."},
    {"mixed_sources", "4", "(V3-V4)/R3 + V4/R4 = J1", Kind::Wrong,
     "Not yet: this is not the KCL equation of node 4.\n"
     "The term for R3 has the wrong sign: the current leaving node 4 through R3 is (V4 - V3)/R3, not (V3 - V4)/R3."},
    {"mixed_sources", "4", "(V4-V3)/10 + V4/R4 = J1", Kind::Wrong,
     "Not yet: this is not the KCL equation of node 4.\n"
     "The term for R3 has the wrong conductance: the current through R3 is (V4 - V3)/R3, with 1/R3 = 0.05 S, but "
     "the equation has 0.1 S."},
    {"mixed_sources", "4", "V4/R3 + V4/R4 = J1", Kind::Wrong,
     "Not yet: this is not the KCL equation of node 4.\n"
     "The term in V3 is wrong: the current through R3 gives V3 the coefficient -0.05 S, but the equation gives it 0 S."},
    {"mixed_sources", "4", "(V4-V3)/R3 + V4/R4 + (V3-V1)/R1 = J1", Kind::Wrong,
     "Not yet: this is not the KCL equation of node 4.\n"
     "The equation has a term for R1, which does not touch node 4: R1 lies between node 1 and node 3."},
    {"mixed_sources", "4", "(V4-V3)/R3 + V4/R4 = 0", Kind::Wrong,
     "Not yet: this is not the KCL equation of node 4.\n"
     "The current of J1 is missing: J1 drives 0.3 A into node 4."},
    {"mixed_sources", "4", "(V4-V3)/R3 + V4/R4 + J1 = 0", Kind::Wrong,
     "Not yet: this is not the KCL equation of node 4.\nJ1 is turned round: J1 drives 0.3 A into node 4."},
    {"mixed_sources", "4", "(V4-V3)/R3 + V4/R4 = -0.3", Kind::Wrong,
     "Not yet: this is not the KCL equation of node 4.\n"
     "J1 stands on the other side of \xE2\x80\x9C=\xE2\x80\x9D with the sign it would have beside the resistor "
     "currents: moving a term across \xE2\x80\x9C=\xE2\x80\x9D changes its sign. J1 drives 0.3 A into node 4."},
    {"mixed_sources", "3", "(V3-V1)/R1 + V3/R2 + (V3-V4)/R3 = 2", Kind::Wrong,
     "Not yet: this is not the KCL equation of node 3.\n"
     "The equation has a constant term, but no current source is connected to node 3, so with the node voltages "
     "alone the currents add up to 0."},
    {"mixed_sources", "1", "V1 = E1", Kind::Right, "Right: the voltage sources set V1 = 9 V."},
    {"mixed_sources", "1", "V1 = -E1", Kind::Wrong,
     "Not quite: node 1 is joined to the datum node by voltage sources, so its voltage follows from their EMFs "
     "alone: V1 = 9 V."},
    {"macro_node_without_datum", "4", "(V3-V1)/R1 + V3/R2 + (V3+E2)/R3 = 0", Kind::Right,
     "Right: this is the combined KCL equation of the macro node of nodes 3 and 4."},
    {"macro_node_without_datum", "3", "(V3-V1)/R1 + V3/R2 = 0", Kind::Wrong,
     "Not yet: this is not the combined KCL equation of the macro node of nodes 3 and 4.\n"
     "The term for R3 is missing: current leaves the macro node of nodes 3 and 4 through R3, V4/R3."},
    {"macro_node_without_datum", "3", "(V3-V1)/R1 + V3/R2 + (V3-E2)/R3 = 0", Kind::Wrong,
     "Not yet: this is not the combined KCL equation of the macro node of nodes 3 and 4.\n"
     "The constant terms are wrong: brought beside the currents leaving the macro node of nodes 3 and 4, they should "
     "come to 0.1333 A, but the equation gives -0.1333 A. Through the voltage sources, V4 = V3 + 4 V."},
    {"macro_node_without_datum", "4", "V4 = V3 + E2", Kind::Wrong,
     "Not yet: this is not the combined KCL equation of the macro node of nodes 3 and 4.\n"
     "This relates the voltages of the macro node's own nodes, as its voltage sources do. The KCL equation of the "
     "macro node balances the currents leaving it through its resistors against the currents of its current "
     "sources."},
    {"mixed_sources", "4", "(V4-V3/R3 = J1", Kind::Unreadable,
     "Kirvolt could not read the equation after \xE2\x80\x9C(V4-V3/R3\xE2\x80\x9D: a closing \xE2\x80\x9C)"
     "\xE2\x80\x9D should come here."},
    {"mixed_sources", "4", "V4*V3 = 1", Kind::Unreadable,
     "Kirvolt could not read the equation after \xE2\x80\x9CV4\xE2\x80\x9D: it multiplies node voltages together, "
     "and a KCL equation is linear in the node voltages."},
    {"mixed_sources", "4", "J1 = V4/(V4-V3)", Kind::Unreadable,
     "Kirvolt could not read the equation after \xE2\x80\x9CJ1 = V4\xE2\x80\x9D: it divides by a node voltage, and "
     "a KCL equation is linear in the node voltages."},
    {"mixed_sources", "4", "V4/(R3-20) = 0", Kind::Unreadable,
     "Kirvolt could not read the equation after \xE2\x80\x9CV4\xE2\x80\x9D: it divides by zero."},
    {"mixed_sources", "4", "V9 = 0", Kind::Unreadable,
     "Kirvolt could not read the equation from its start: there is no node or element called \xE2\x80\x9CV9"
     "\xE2\x80\x9D in this circuit (a node voltage is V followed by the node's name, such as V2)."},
    {"mixed_sources", "4", "V4 + = 2", Kind::Unreadable,
     "Kirvolt could not read the equation after \xE2\x80\x9CV4 +\xE2\x80\x9D: a number, a node voltage such as V2, "
     "an element name such as R1, or \xE2\x80\x9C(\xE2\x80\x9D should come here."},
    {"mixed_sources", "4", "V4 = J1 = 2", Kind::Unreadable,
     "Kirvolt could not read the equation after \xE2\x80\x9CV4 = J1\xE2\x80\x9D: an equation has only one "
     "\xE2\x80\x9C=\xE2\x80\x9D."},
    {"mixed_sources", "4", "(V4-V3)/R3 + V4/R4", Kind::Unreadable,
     "Kirvolt could not read the equation after \xE2\x80\x9C(V4-V3)/R3 + V4/R4\xE2\x80\x9D: the equation needs one "
     "\xE2\x80\x9C=\xE2\x80\x9D between its two sides."},
    {"mixed_sources", "4", "2V4 = 1", Kind::Unreadable,
     "Kirvolt could not read the equation after \xE2\x80\x9C" "2\xE2\x80\x9D: an operator should come between a "
     "number and a name, as in 2*R1."},
    {"mixed_sources", "4", "", Kind::Unreadable,
     "Kirvolt could not read the equation from its start: a number, a node voltage such as V2, an element name such "
     "as R1, or \xE2\x80\x9C(\xE2\x80\x9D should come here."},
};

TEST(CheckNodeEquation, EachFaultIsNamed)
{
    for (const FaultCase& fault : FAULTS) {
        CKirvoltDoc doc;
        ASSERT_TRUE(loadCircuit(EXAMPLES + "/" + fault.file + ".kvt", doc).ok);
        ASSERT_TRUE(runNodalAnalysis(doc));
        const std::optional<int> node = nodeNamed(doc, fault.node);
        ASSERT_TRUE(node);
        const EquationVerdict verdict = checkNodeEquation(doc, *node, fault.equation);
        EXPECT_EQ(verdict.kind, fault.kind) << fault.equation;
        EXPECT_EQ(verdict.message, fault.message) << fault.equation;
    }
}

TEST(CheckNodeEquation, RandomTextIsReadOrRefusedWithAPlace)
{
    CKirvoltDoc doc;
    ASSERT_TRUE(loadCircuit(EXAMPLES + "/mixed_sources.kvt", doc).ok);
    ASSERT_TRUE(runNodalAnalysis(doc));
    const std::vector<std::string> pieces = {"V4", "V3", "V(4)", "R3", "J1", "E1", "4.7k", "10m", "1e3", "0", "+",
                                             "-", "*", "/", "(", ")", "=", " ", "\xE2\x88\x92", "\xC2\xB5", "x", "."};
    std::mt19937 random(99);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, 14)(random);
        for (int k = 0; k < length; ++k) {
            text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        }
        const EquationVerdict verdict = checkNodeEquation(doc, 4, text);
        EXPECT_FALSE(verdict.message.empty()) << text;
        if (verdict.kind == Kind::Unreadable) {
            EXPECT_TRUE(verdict.message.starts_with("Kirvolt could not read the equation")) << text;
        }
    }
}

// Signs are read in a loop, as parentheses are counted: three hundred thousand of them before
// each side mean what their parity says, and no length of them exhausts the stack.
TEST(CheckNodeEquation, LongRunsOfSignsReadAsTheirParity)
{
    CKirvoltDoc doc;
    ASSERT_TRUE(loadCircuit(EXAMPLES + "/mixed_sources.kvt", doc).ok);
    ASSERT_TRUE(runNodalAnalysis(doc));
    writeAllEquations(doc);
    const std::string equation = shownEquations(doc, 4).back();
    const std::size_t equals = equation.find('=');
    const std::string left = "(" + equation.substr(0, equals) + ")";
    const std::string right = "(" + equation.substr(equals + 1) + ")";
    const std::string even = std::string(100'000, '-') + std::string(100'000, '+') + std::string(100'000, '-');
    const std::pair<std::string, Kind> cases[] = {
        {even + "-" + left + "=" + even + right, Kind::Wrong},
        {even + left + "=" + even + right, Kind::Right},
        {"-" + even + left + "= -" + right, Kind::Right},
    };
    ASSERT_EQ(checkNodeEquation(doc, 4, equation).kind, Kind::Right);
    for (const auto& [text, kind] : cases) {
        EXPECT_EQ(checkNodeEquation(doc, 4, text).kind, kind) << text.substr(text.size() - 80);
    }
}

}  // namespace
}  // namespace kirvolt
