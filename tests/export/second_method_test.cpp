#include <gtest/gtest.h>

#include "analysis/nodal_solver.h"
#include "analysis/stored_results.h"
#include "document/circuit_file.h"
#include "equations/method_equations.h"
#include "export/html_report.h"
#include "export/matrix_form.h"
#include "support/generated_circuits.h"
#include "support/reversed_nodal.h"
#include "support/sample_circuits.h"
#include "support/system_residual.h"

namespace kirvolt {
namespace {

using testing::ReversedNodal;
using testing::ReversedNodalEquations;

TEST(SecondMethod, ListsItsEquationsInItsOwnOrder)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    const ReversedNodalEquations equations;
    ASSERT_TRUE(runAnalysis(doc, equations.method()));
    EXPECT_EQ(equationsOf(equations.method()), nullptr);
    const auto written = equations.write(doc);
    ASSERT_TRUE(std::holds_alternative<EquationList>(written));
    const std::string text = equationListText(std::get<EquationList>(written));
    EXPECT_EQ(text.substr(0, text.find("Node 2:")), R"(Node 3:
This node is directly connected to the datum node via the Voltage Source  E1.
V3  =   ( -E1 ) 
V3  =   ( -E1 ) 
V3  =   ( -12.00V ) 
V3  =  -12.00V
V3 = -12.00 Volt.
)");
    EXPECT_EQ(text.substr(text.find("Node 1:")), "Node 1:\n\nV1 = 0 Volt.\nV1 = 0 Volt.\nV1 = 0 Volt.\nV1 = 0 Volt.\nV1 = 0 Volt.\n");

    // The equations panel lists them as it lists every method's that it is not written for.
    ASSERT_FALSE(writePanelEquations(doc, equations));
    ASSERT_EQ(doc.listedEquations.size(), 22u);
    EXPECT_EQ(doc.listedEquations[0], "Node equations for the circuit drawn above are:");
    EXPECT_EQ(doc.listedEquations[1], "Node 3:");
    EXPECT_EQ(doc.listedEquations[21], "V1 = 0 Volt.");
}

TEST(SecondMethod, MatrixFormAndReportShowTheSystemItSolved)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    const AnalysisOutcome outcome = runAnalysis(doc, ReversedNodal());
    ASSERT_TRUE(outcome.system);
    EXPECT_LT(testing::largestRelativeResidual(*outcome.system), 1e-12);
    EXPECT_EQ(matrixFormText(*outcome.system), R"(The reversed nodal system G · x = b

Unknowns (node 1 is the datum node, at 0 V):
  I(E1)  the current through E1, from its + terminal to its - terminal
  V3     the voltage of node 3
  V2     the voltage of node 2

    I(E1)     V3       V2
  [  0      -1.000    0      ]   [ I(E1) ]   [ 12.00 ]
  [ -1.000   0.0500  -0.0500 ] · [ V3    ] = [  0    ]
  [  0      -0.0500   0.1500 ]   [ V2    ]   [  0    ]

Solution:
  I(E1) =  -0.40 A
  V3    = -12.00 V
  V2    =  -4.00 V
)");
    const std::string report = htmlReport(buildWorkedSolution(doc, "divider", outcome), "");
    EXPECT_NE(report.find("<h2>The reversed nodal system G &#183; x = b</h2>"), std::string::npos);
    const std::string solution = "<h3>Solution</h3>\n<pre>I(E1) = -0.40 A\nV3 = -12.00 V\nV2 = -4.00 V</pre>";
    EXPECT_NE(report.find(solution), std::string::npos);
}

// A file's stored results are adopted without an analysis; the system they belong to is still
// counted, so that Matrix Form refuses it as it refuses the same circuit just solved.
TEST(SecondMethod, AdoptedResultsTellTheSizeOfTheirSystem)
{
    CKirvoltDoc doc;
    testing::drawLadder(doc, MATRIX_FORM_LIMIT + 1);
    ASSERT_TRUE(runNodalAnalysis(doc));
    CKirvoltDoc opened;
    ASSERT_TRUE(readCircuitBytes(circuitBytes(doc), opened).ok);
    adoptStoredResults(opened);
    ASSERT_TRUE(opened.resultsAreCurrent());
    const AnalysisOutcome shown = analyseForShowing(opened);
    EXPECT_EQ(shown.unknownCount, nodalUnknownCount(opened));
    EXPECT_GT(shown.unknownCount, MATRIX_FORM_LIMIT);
    EXPECT_FALSE(shown.system);

    CKirvoltDoc small;
    testing::buildVoltageDivider(small);
    ASSERT_TRUE(runNodalAnalysis(small));
    const AnalysisOutcome again = analyseUnlessCurrent(small, ReversedNodal());
    ASSERT_TRUE(again.system);
    EXPECT_EQ(again.system->title, "The reversed nodal system");
    EXPECT_EQ(again.unknownCount, 3);
}

}  // namespace
}  // namespace kirvolt
