#include <gtest/gtest.h>

#include "analysis/nodal_solver.h"
#include "cli/tool_run.h"
#include "document/circuit_file.h"
#include "export/matrix_form.h"
#include "support/sample_circuits.h"

namespace kirvolt {
namespace {

using MatrixCommand = testing::ToolTest;

// The divider with node 3, the foot of R2 and the - terminal of E1, as the datum node.
constexpr const char* DIVIDER_FROM_NODE_3 = R"(The modified nodal system G · x = b

Unknowns (node 3 is the datum node, at 0 V):
  V1     the voltage of node 1
  V2     the voltage of node 2
  I(E1)  the current through E1, from its + terminal to its - terminal

      V1       V2     I(E1)
  [  0.1000  -0.1000  1.000 ]   [ V1    ]   [  0    ]
  [ -0.1000   0.1500  0     ] · [ V2    ] = [  0    ]
  [  1.000    0       0     ]   [ I(E1) ]   [ 12.00 ]

Solution:
  V1    = 12.00 V
  V2    =  8.00 V
  I(E1) = -0.40 A
)";

TEST_F(MatrixCommand, PrintsTheSystemAsTextAndAsLatex)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    ASSERT_TRUE(saveCircuit(doc, path("divider.kvt")).ok);

    const testing::ToolRun text = tool({"matrix", path("divider.kvt"), "--datum", "3"});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(text.out, DIVIDER_FROM_NODE_3);

    const testing::ToolRun latex = tool({"matrix", "--latex", path("divider.kvt")});
    EXPECT_EQ(latex.status, 0) << latex.err;
    ASSERT_TRUE(runNodalAnalysis(doc));
    EXPECT_EQ(latex.out, matrixFormLatex(namedNodalSystem(doc)));
}

TEST_F(MatrixCommand, RefusalsAndWrongCommandLinesExitAsTheOtherCommandsDo)
{
    const std::string floating = std::string(KIRVOLT_EXAMPLES_DIR) + "/floating_circuit.kvt";
    const testing::ToolRun refused = tool({"matrix", floating});
    const testing::ToolRun analysed = tool({"analyse", floating});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_FALSE(refused.err.empty());
    EXPECT_EQ(refused.err, analysed.err);

    const testing::ToolRun missing = tool({"matrix", path("missing.kvt")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, tool({"analyse", path("missing.kvt")}).err);

    const std::string usage = "Usage: kirvolt-cli matrix FILE [--datum N] [--method M] [--latex]\n";
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"matrix"}, {"matrix", floating, "--json"}, {"matrix", floating, "--latex", "--latex"}, {"matrix", "a.kvt", "b.kvt"}}) {
        const testing::ToolRun wrong = tool(arguments);
        EXPECT_EQ(wrong.status, 2) << arguments.size();
        EXPECT_TRUE(wrong.err.starts_with(usage)) << wrong.err;
    }
}

}  // namespace
}  // namespace kirvolt
