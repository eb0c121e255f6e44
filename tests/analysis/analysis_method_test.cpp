#include <gtest/gtest.h>

#include "analysis/known_methods.h"
#include "analysis/nodal_solver.h"
#include "support/sample_circuits.h"

namespace kirvolt {
namespace {

// A second method over the same circuits, which the shared path was not written for: the nodal
// solution under another name and count, or a refusal of its own.
class SecondOpinion final : public AnalysisMethod {
public:
    explicit SecondOpinion(bool refuses) : refuses(refuses) {}
    std::string name() const override { return "second"; }
    int unknownCount(const CKirvoltDoc& doc) const override { return nodalMethod().unknownCount(doc) + 1; }
    NamedSystem namedSystem(CKirvoltDoc& doc) const override { return nodalMethod().namedSystem(doc); }
    std::variant<MethodSolution, Explanation> solve(const CKirvoltDoc& doc) const override
    {
        if (refuses) {
            return Explanation{"Not by this method.", {}};
        }
        return nodalMethod().solve(doc);
    }

private:
    bool refuses;
};

void expectSameRecords(const CKirvoltDoc& expected, const CKirvoltDoc& actual)
{
    ASSERT_EQ(expected.components.size(), actual.components.size());
    for (std::size_t k = 0; k < expected.components.size(); ++k) {
        const CComponent& e = *expected.components[k];
        const CComponent& a = *actual.components[k];
        EXPECT_EQ(a.startNode, e.startNode) << e.label;
        EXPECT_EQ(a.startVoltage, e.startVoltage) << e.label;
        EXPECT_EQ(a.finishVoltage, e.finishVoltage) << e.label;
        EXPECT_EQ(a.pd, e.pd) << e.label;
        EXPECT_EQ(a.current, e.current) << e.label;
    }
}

TEST(AnalysisMethod, RunAnalysisWritesAnyMethodsSolutionAndRefusalAlike)
{
    CKirvoltDoc nodal;
    testing::buildVoltageDivider(nodal);
    ASSERT_TRUE(runNodalAnalysis(nodal));
    CKirvoltDoc second;
    testing::buildVoltageDivider(second);
    const AnalysisOutcome solved = runAnalysis(second, SecondOpinion(false));
    ASSERT_TRUE(solved);
    EXPECT_EQ(solved.unknownCount, nodalUnknownCount(second) + 1);
    expectSameRecords(nodal, second);
    EXPECT_EQ(second.analysisResults, nodal.analysisResults);

    const AnalysisOutcome refused = runAnalysis(second, SecondOpinion(true));
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.refusal->message, "Not by this method.");
    EXPECT_TRUE(refused.numbered);
    EXPECT_EQ(second.analysisFailed, 1);
    EXPECT_TRUE(second.analysisResults.empty());
    expectSameRecords(nodal, second);

    EXPECT_EQ(methodNamed("nodal"), &nodalMethod());
    EXPECT_EQ(methodNamed("second"), nullptr);
    // A circuit keeps the name of its method; one the program does not know falls back.
    EXPECT_EQ(&methodOf(second), &nodalMethod());
    second.analysisMethod = "second";
    EXPECT_EQ(&methodOf(second), &nodalMethod());
}

}  // namespace
}  // namespace kirvolt
