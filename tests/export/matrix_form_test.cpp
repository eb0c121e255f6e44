#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "analysis/nodal_solver.h"
#include "equations/system_numbers.h"
#include "export/matrix_form.h"
#include "support/example_circuits.h"
#include "support/generated_circuits.h"
#include "support/sample_circuits.h"
#include "support/system_residual.h"

namespace kirvolt {
namespace {

// The divider: E1 (12 V, + at the datum node 1), R1 = 10 ohm from node 1 to 2, R2 = 20 ohm
// from node 2 to 3.
NamedSystem dividerSystem()
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    EXPECT_TRUE(runNodalAnalysis(doc));
    return namedNodalSystem(doc);
}

TEST(MatrixForm, PlainTextOfTheDivider)
{
    EXPECT_EQ(matrixFormText(dividerSystem()), R"(The modified nodal system G · x = b

Unknowns (node 1 is the datum node, at 0 V):
  V2     the voltage of node 2
  V3     the voltage of node 3
  I(E1)  the current through E1, from its + terminal to its - terminal

      V2       V3     I(E1)
  [  0.1500  -0.0500   0     ]   [ V2    ]   [  0    ]
  [ -0.0500   0.0500  -1.000 ] · [ V3    ] = [  0    ]
  [  0       -1.000    0     ]   [ I(E1) ]   [ 12.00 ]

Solution:
  V2    =  -4.00 V
  V3    = -12.00 V
  I(E1) =  -0.40 A
)");
}

TEST(MatrixForm, LatexOfTheDivider)
{
    EXPECT_EQ(matrixFormLatex(dividerSystem()), R"(\[
G\,x = b:\qquad
\underbrace{\begin{bmatrix}
0.1500 & -0.0500 & 0 \\
-0.0500 & 0.0500 & -1.000 \\
0 & -1.000 & 0
\end{bmatrix}}_{G}
\,
\underbrace{\begin{bmatrix}
V_{\text{2}} \\
V_{\text{3}} \\
I_{\text{E1}}
\end{bmatrix}}_{x}
=
\underbrace{\begin{bmatrix}
0 \\
0 \\
12.00
\end{bmatrix}}_{b}
\]
\[
\begin{aligned}
V_{\text{2}} &= -4.00\,\mathrm{V} \\
V_{\text{3}} &= -12.00\,\mathrm{V} \\
I_{\text{E1}} &= -0.40\,\mathrm{A}
\end{aligned}
\]
)");
}

// A node renamed after the analysis is named as the equation text names it.
TEST(MatrixForm, UnknownsTakeTheNodesNames)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    ASSERT_TRUE(runNodalAnalysis(doc));
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_JOINT && element->startNode == 2) {
            element->label = "mid";
        }
    }
    const std::string text = matrixFormText(namedNodalSystem(doc));
    for (const char* line : {"  Vmid   the voltage of node mid\n", "     Vmid      V3     I(E1)\n",
                             "  [  0.1500  -0.0500   0     ]   [ Vmid  ]   [  0    ]\n", "  Vmid  =  -4.00 V\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
    }
}

TEST(MatrixForm, NumbersAreWrittenAsTheEquationsAndResultsWriteThem)
{
    const std::pair<double, const char*> coefficients[] = {
        {0.0, "0"}, {0.15, "0.1500"}, {-0.05, "-0.0500"}, {1.0, "1.000"}, {-1.0, "-1.000"}, {2.5, "2.500"},
        {12.5, "12.50"}, {-20.0, "-20.00"}, {1.0 / 4700, "0.000213"}, {-1e-6, "-1.00e-6"},
    };
    for (const auto& [value, text] : coefficients) {
        EXPECT_EQ(coefficientText(value), text) << value;
    }
    const std::pair<double, const char*> rightSides[] = {{0.0, "0"}, {12.0, "12.00"}, {-0.3, "-0.30"}, {0.125, "0.13"}, {0.002, "0.00200"}};
    for (const auto& [value, text] : rightSides) {
        EXPECT_EQ(rightSideText(value), text) << value;
    }
    const std::pair<double, const char*> solutions[] = {{-4.0, "-4.00 V"}, {5.454545, "5.45 V"}, {-1e-17, "0.00 V"},
                                                        {-0.004, "-4.00 mV"}, {0.0017391, "1.74 mV"}};
    for (const auto& [value, text] : solutions) {
        EXPECT_EQ(solutionText(value, nodeVoltageUnknown("1")), text) << value;
    }
    EXPECT_EQ(solutionText(0.0017391, sourceCurrentUnknown("E1")), "1.74 mA");
}

// Names come from the circuit's labels, which may hold anything a file can.
TEST(MatrixForm, LatexEscapesWhatANameHolds)
{
    const std::pair<std::string, const char*> names[] = {
        {"top", "V_{\\text{top}}"},
        {"a_b", "V_{\\text{a\\_b}}"},
        {"{x}%#&$", "V_{\\text{\\{x\\}\\%\\#\\&\\$}}"},
        {"\\^~", "V_{\\text{\\textbackslash{}\\textasciicircum{}\\textasciitilde{}}}"},
        {"n\x01\x7F", "V_{\\text{n}}"},
        {"\xC2\xB5" "1", "V_{\\text{\xC2\xB5" "1}}"},
        {"\xFF" "2", "V_{\\text{?2}}"},
    };
    for (const auto& [name, typeset] : names) {
        const NamedSystem system{"", "", "", {nodeVoltageUnknown(name)}, {{1.0}}, {2.0}, {2.0}};
        const std::string latex = matrixFormLatex(system);
        EXPECT_NE(latex.find("\\begin{bmatrix}\n" + std::string(typeset) + "\n\\end{bmatrix}}_{x}"), std::string::npos)
            << name << "\n" << latex;
        EXPECT_NE(latex.find(std::string(typeset) + " &= 2.00\\,\\mathrm{V}"), std::string::npos) << name << "\n" << latex;
    }
}

TEST(MatrixForm, RefusesSystemsTooLargeToRead)
{
    EXPECT_EQ(matrixFormRefusal(MATRIX_FORM_LIMIT), std::nullopt);
    EXPECT_EQ(matrixFormRefusal(MATRIX_FORM_LIMIT + 1),
              "The matrix form is shown for systems of up to 200 unknowns; this circuit has 201.");
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> words(const std::string& text)
{
    std::vector<std::string> found;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        found.push_back(word);
    }
    return found;
}

// Each equation row as printed: "[ G row ]", the operator, "[ x ]", the operator, "[ b ]".
struct PrintedRow {
    std::string line;
    std::vector<std::size_t> gStarts;  // where each coefficient starts in the line
    std::vector<std::string> g;
    std::string x;
    std::string b;
};

PrintedRow parseRow(const std::string& line)
{
    PrintedRow row{line, {}, {}, {}, {}};
    const std::size_t open = line.find("[ ");
    const std::size_t close = line.find(" ]", open);
    for (std::size_t at = open + 1; at < close;) {
        at = line.find_first_not_of(' ', at);
        if (at >= close) {
            break;
        }
        const std::size_t end = std::min(line.find(' ', at), close);
        row.gStarts.push_back(at);
        row.g.push_back(line.substr(at, end - at));
        at = end;
    }
    const std::size_t xOpen = line.find("[ ", close);
    const std::size_t xClose = line.find(" ]", xOpen);
    const std::vector<std::string> x = words(line.substr(xOpen + 1, xClose - xOpen - 1));
    row.x = x.size() == 1 ? x[0] : "";
    const std::size_t bOpen = line.find("[ ", xClose);
    const std::vector<std::string> b = words(line.substr(bOpen + 1, line.rfind(" ]") - bOpen - 1));
    row.b = b.size() == 1 ? b[0] : "";
    return row;
}

std::size_t decimalPoint(const std::string& number) { return std::min(number.find('.'), number.size()); }

// The printed text holds exactly the system's numbers, in the columns a reader follows.
void expectTextShowsTheSystem(const NamedSystem& system, const std::string& what)
{
    const std::vector<std::string> lines = linesOf(matrixFormText(system));
    const std::size_t n = system.unknowns.size();
    std::size_t first = 0;
    while (first < lines.size() && !lines[first].starts_with("  [ ")) {
        ++first;
    }
    ASSERT_LE(first + n, lines.size()) << what;
    const std::vector<std::string> headings = words(lines[first - 1]);
    ASSERT_EQ(headings.size(), n) << what;
    std::vector<PrintedRow> rows;
    for (std::size_t r = 0; r < n; ++r) {
        rows.push_back(parseRow(lines[first + r]));
        const PrintedRow& row = rows.back();
        EXPECT_EQ(row.x, system.unknowns[r].symbol) << what << ", row " << r;
        EXPECT_EQ(row.b, rightSideText(system.b[r])) << what << ", row " << r;
        ASSERT_EQ(row.g.size(), n) << what << ", row " << r;
        for (std::size_t k = 0; k < n; ++k) {
            EXPECT_EQ(row.g[k], coefficientText(system.g[r][k])) << what << ", row " << r << ", column " << k;
            // Decimal points (or the end of a whole number) stand one above the other.
            EXPECT_EQ(row.gStarts[k] + decimalPoint(row.g[k]), rows[0].gStarts[k] + decimalPoint(rows[0].g[k]))
                << what << ", row " << r << ", column " << k;
        }
        EXPECT_EQ(row.line.find(" ]"), rows[0].line.find(" ]")) << what << ", row " << r;
        const std::string product = r == (n - 1) / 2 ? " \xC2\xB7 " : "   ";
        EXPECT_EQ(row.line.substr(row.line.find(" ]") + 2, product.size()), product) << what << ", row " << r;
    }
    for (std::size_t k = 0; k < n; ++k) {
        EXPECT_EQ(headings[k], system.unknowns[k].symbol) << what;
        const std::string unknownLine = "  " + system.unknowns[k].symbol + " ";
        EXPECT_NE(std::find_if(lines.begin(), lines.begin() + first, [&](const std::string& l) { return l.starts_with(unknownLine); }),
                  lines.begin() + first)
            << what << ", " << unknownLine;
        const std::string& solution = lines[first + n + 2 + k];
        const std::vector<std::string> parts = words(solution);
        ASSERT_EQ(parts.size(), 4u) << what << ": " << solution;
        EXPECT_EQ(parts[0], system.unknowns[k].symbol) << what;
        EXPECT_EQ(parts[2] + " " + parts[3], solutionText(system.x[k], system.unknowns[k])) << what;
        EXPECT_TRUE(parts[3].ends_with(system.unknowns[k].symbol.starts_with("V") ? "V" : "A")) << what;
        EXPECT_EQ(solution.find(" = "), lines[first + n + 2].find(" = ")) << what;
    }
}

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// Balanced braces (escaped ones aside) and \begin ... \end pairs that nest, \[ \] included.
void expectLatexWellFormed(const std::string& latex, const std::string& what)
{
    int depth = 0;
    std::vector<std::string> environments;
    for (std::size_t i = 0; i < latex.size(); ++i) {
        if (latex[i] == '\\' && i + 1 < latex.size()) {
            const char next = latex[i + 1];
            if (next == '{' || next == '}' || next == '\\') {
                ++i;
            } else if (next == '[' || next == ']') {
                if (next == '[') {
                    environments.push_back("display");
                } else {
                    ASSERT_FALSE(environments.empty()) << what;
                    EXPECT_EQ(environments.back(), "display") << what;
                    environments.pop_back();
                }
                ++i;
            } else if (latex.compare(i, 7, "\\begin{") == 0 || latex.compare(i, 5, "\\end{") == 0) {
                const bool begins = latex[i + 1] == 'b';
                const std::size_t open = latex.find('{', i);
                const std::string name = latex.substr(open + 1, latex.find('}', open) - open - 1);
                if (begins) {
                    environments.push_back(name);
                } else {
                    ASSERT_FALSE(environments.empty()) << what;
                    EXPECT_EQ(environments.back(), name) << what;
                    environments.pop_back();
                }
            }
            continue;
        }
        depth += latex[i] == '{' ? 1 : latex[i] == '}' ? -1 : 0;
        ASSERT_GE(depth, 0) << what << " at " << i;
    }
    EXPECT_EQ(depth, 0) << what;
    EXPECT_TRUE(environments.empty()) << what;
}

void expectLatexShowsTheSystem(const NamedSystem& system, const std::string& what)
{
    const std::string latex = matrixFormLatex(system);
    expectLatexWellFormed(latex, what);
    const std::size_t n = system.unknowns.size();
    EXPECT_EQ(occurrences(latex, "\\begin{bmatrix}"), 3u) << what;
    EXPECT_EQ(occurrences(latex, "\\end{bmatrix}"), 3u) << what;
    EXPECT_EQ(occurrences(latex, "\\begin{aligned}"), 1u) << what;
    EXPECT_NE(latex.find("G\\,x = b"), std::string::npos) << what;
    // G's rows: n - 1 column separators each; amsmath is told of more than ten columns.
    const std::size_t gStart = latex.find("\\begin{bmatrix}\n") + 16;
    const std::vector<std::string> gRows = linesOf(latex.substr(gStart, latex.find("\\end{bmatrix}") - gStart));
    ASSERT_EQ(gRows.size(), n) << what;
    for (const std::string& row : gRows) {
        EXPECT_EQ(occurrences(row, " & "), n - 1) << what << ": " << row;
    }
    EXPECT_EQ(latex.find("\\setcounter{MaxMatrixCols}{" + std::to_string(n) + "}\n") == 0, n > 10) << what;
    EXPECT_EQ(occurrences(latex, " &= "), n) << what;
}

TEST(MatrixForm, EveryExampleThatAnalysesIsShownAsItsSystem)
{
    int shown = 0;
    for (const testing::ExampleCircuit& example : testing::exampleCircuits()) {
        CKirvoltDoc doc;
        testing::buildExample(example, doc);
        if (!runNodalAnalysis(doc)) {
            continue;
        }
        const NamedSystem system = namedNodalSystem(doc);
        ASSERT_FALSE(system.unknowns.empty()) << example.fileName;
        EXPECT_LE(testing::largestRelativeResidual(system), 1e-9) << example.fileName;
        expectTextShowsTheSystem(system, example.fileName);
        expectLatexShowsTheSystem(system, example.fileName);
        ++shown;
    }
    EXPECT_GE(shown, 15);
}

TEST(MatrixForm, LargerGeneratedCircuitsKeepTheirForm)
{
    const std::pair<const char*, std::function<void(CKirvoltDoc&)>> circuits[] = {
        {"ladder 12", [](CKirvoltDoc& doc) { testing::drawLadder(doc, 12); }},
        {"mesh 16", [](CKirvoltDoc& doc) { testing::drawMesh(doc, 16); }},
        {"mesh 40", [](CKirvoltDoc& doc) { testing::drawMesh(doc, 40); }},
    };
    for (const auto& [name, draw] : circuits) {
        CKirvoltDoc doc;
        draw(doc);
        ASSERT_TRUE(runNodalAnalysis(doc)) << name;
        const NamedSystem system = namedNodalSystem(doc);
        EXPECT_GT(system.unknowns.size(), 10u) << name;
        EXPECT_LE(testing::largestRelativeResidual(system), 1e-9) << name;
        expectTextShowsTheSystem(system, name);
        expectLatexShowsTheSystem(system, name);
    }
}

}  // namespace
}  // namespace kirvolt
