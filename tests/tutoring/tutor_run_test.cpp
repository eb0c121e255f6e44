#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/scripted_port.h"
#include "tutoring/current_loop.h"
#include "tutoring/tutor_run.h"

namespace kirvolt {
namespace {

using testing::ScriptedPort;

// Answers the tutor's windows as told and notes what each window saw of the document.
class ScriptedTutor final : public TutorWindows {
public:
    explicit ScriptedTutor(CKirvoltDoc& doc) : doc(doc) {}

    bool introduce() override
    {
        seen.push_back("introduction");
        return start;
    }

    bool countNodes(int nodeCount) override
    {
        seen.push_back("count");
        countOffered = nodeCount;
        numbersWhileCounting = doc.display().showNodeNumbers;
        datumWhileCounting = doc.datumNode;
        return counted;
    }

    bool labelNodes(const std::function<void()>& showNodeNumbers) override
    {
        seen.push_back("label");
        if (pressPicture) {
            showNodeNumbers();
        }
        numbersAfterPicture = doc.display().showNodeNumbers;
        return labelled;
    }

    std::optional<int> chooseDatum(const DatumCandidates& candidates) override
    {
        seen.push_back("datum");
        offered = candidates;
        return choice;
    }

    bool explainEquations() override
    {
        seen.push_back("equations");
        datumWhileExplaining = doc.datumNode;
        numbersWhileExplaining = doc.display().showNodeNumbers;
        return finish;
    }

    CKirvoltDoc& doc;
    bool start = true;
    bool counted = true;
    bool pressPicture = true;
    bool labelled = true;
    std::optional<int> choice = 0;
    bool finish = true;

    std::vector<std::string> seen;
    int countOffered = -1;
    int numbersWhileCounting = -1;
    int datumWhileCounting = -1;
    int numbersAfterPicture = -1;
    DatumCandidates offered;
    int datumWhileExplaining = -1;
    int numbersWhileExplaining = -1;
};

class TutorRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.setPort(&port);
        testing::buildCurrentLoop(doc);
    }

    double nodeVoltage(int node) const
    {
        for (const auto& c : doc.components) {
            if (c->kindCode == KIND_JOINT && c->startNode == node) {
                return c->startVoltage;
            }
        }
        ADD_FAILURE() << "no joint at node " << node;
        return 0.0;
    }

    std::vector<int> datumJointNodes() const
    {
        std::vector<int> nodes;
        for (const auto& c : doc.components) {
            if (c->kindCode == KIND_JOINT && c->datumMark == 1) {
                nodes.push_back(c->startNode);
            }
        }
        return nodes;
    }

    ScriptedPort port;
    CKirvoltDoc doc;
    ScriptedTutor tutor{doc};
};

TEST_F(TutorRun, CircuitTheAnalysisRefusesOpensNoWindow)
{
    CKirvoltDoc empty;
    empty.setPort(&port);
    ScriptedTutor windows(empty);
    runNodalTutor(empty, windows);
    EXPECT_EQ(port.messages(), std::vector<std::string>{"Create your circuit first."});
    EXPECT_TRUE(windows.seen.empty());
    EXPECT_EQ(empty.analysisFailed, 1);
}

TEST_F(TutorRun, FailureOfAnEarlierAnalysisDoesNotStopTheTutor)
{
    doc.analysisFailed = 1;
    tutor.start = false;
    runNodalTutor(doc, tutor);
    EXPECT_EQ(tutor.seen, std::vector<std::string>{"introduction"});
    EXPECT_EQ(doc.analysisFailed, 0);
}

TEST_F(TutorRun, ReturnFromTheIntroductionLeavesTheDocumentInEquationMode)
{
    tutor.start = false;
    runNodalTutor(doc, tutor);
    EXPECT_EQ(tutor.seen, std::vector<std::string>{"introduction"});
    EXPECT_EQ(doc.mode, nodeEquationMode);
    EXPECT_EQ(doc.display().showNodeNumbers, 1);
}

TEST_F(TutorRun, StudentCountsWithNodeNumbersHiddenAndNoDatum)
{
    tutor.counted = false;
    runNodalTutor(doc, tutor);
    EXPECT_EQ(tutor.seen, (std::vector<std::string>{"introduction", "count"}));
    EXPECT_EQ(tutor.countOffered, 4);
    EXPECT_EQ(tutor.numbersWhileCounting, 0);
    EXPECT_EQ(tutor.datumWhileCounting, 0);
    EXPECT_EQ(doc.display().showNodeNumbers, 0);
    EXPECT_EQ(doc.mode, nodeEquationMode);
}

TEST_F(TutorRun, PictureButtonShowsTheNodeNumbers)
{
    tutor.labelled = false;
    const int redrawsBefore = port.redrawCount();
    runNodalTutor(doc, tutor);
    EXPECT_EQ(tutor.numbersAfterPicture, 1);
    EXPECT_GT(port.redrawCount(), redrawsBefore);
}

TEST_F(TutorRun, CancelInStepsTwoAndThreeHidesTheNodeNumbersAgain)
{
    for (const bool inStepThree : {false, true}) {
        CKirvoltDoc circuit;
        circuit.setPort(&port);
        testing::buildCurrentLoop(circuit);
        ScriptedTutor windows(circuit);
        windows.labelled = inStepThree;
        windows.choice = std::nullopt;
        const int redrawsBefore = port.redrawCount();
        runNodalTutor(circuit, windows);
        EXPECT_EQ(windows.seen.back(), inStepThree ? "datum" : "label");
        EXPECT_EQ(circuit.display().showNodeNumbers, 0);
        EXPECT_GT(port.redrawCount(), redrawsBefore);
        EXPECT_EQ(circuit.datumNode, 0);
        EXPECT_EQ(circuit.showEquations, 0);
    }
}

TEST_F(TutorRun, DatumListNamesEveryNode)
{
    tutor.choice = std::nullopt;
    runNodalTutor(doc, tutor);
    EXPECT_EQ(tutor.offered.nodes, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(tutor.offered.names, (std::vector<std::string>{"1", "2", "3", "4"}));
}

TEST_F(TutorRun, ChosenDatumIsAppliedBeforeStepFour)
{
    tutor.choice = 2;
    tutor.finish = false;
    runNodalTutor(doc, tutor);
    EXPECT_EQ(tutor.datumWhileExplaining, 3);
    EXPECT_EQ(tutor.numbersWhileExplaining, 1);
    EXPECT_EQ(datumJointNodes(), std::vector<int>{3});
    // Leaving step 4 without Finish hides the numbers and shows no equations.
    EXPECT_EQ(doc.display().showNodeNumbers, 0);
    EXPECT_EQ(doc.datumNode, 3);
    EXPECT_EQ(doc.showEquations, 0);
}

TEST_F(TutorRun, FinishSolvesWithTheChosenDatumAndShowsTheEquations)
{
    tutor.choice = 2;
    runNodalTutor(doc, tutor);
    EXPECT_EQ(tutor.seen, (std::vector<std::string>{"introduction", "count", "label", "datum", "equations"}));
    EXPECT_EQ(doc.datumNode, 3);
    EXPECT_EQ(doc.showEquations, 1);
    EXPECT_EQ(doc.display().showNodeNumbers, 1);
    EXPECT_DOUBLE_EQ(nodeVoltage(1), 30.0);
    EXPECT_DOUBLE_EQ(nodeVoltage(2), 20.0);
    EXPECT_DOUBLE_EQ(nodeVoltage(3), 0.0);
    EXPECT_DOUBLE_EQ(nodeVoltage(4), -30.0);
    ASSERT_GE(doc.equationText.size(), 5u);
    for (int node = 1; node <= 4; ++node) {
        EXPECT_FALSE(doc.equationText[static_cast<std::size_t>(node)][6].empty()) << node;
    }
    EXPECT_EQ(datumJointNodes(), std::vector<int>{3});
}

}  // namespace
}  // namespace kirvolt
