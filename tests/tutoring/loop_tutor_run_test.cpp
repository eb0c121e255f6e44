#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/known_methods.h"
#include "analysis/loop_method.h"
#include "analysis/nodal_solver.h"
#include "support/example_circuits.h"
#include "support/same_results.h"
#include "support/scripted_port.h"
#include "tutoring/loop_count_check.h"
#include "tutoring/loop_tutor_run.h"

namespace kirvolt {
namespace {

using testing::ScriptedPort;

void buildNamedExample(const std::string& name, CKirvoltDoc& doc)
{
    for (const testing::ExampleCircuit& e : testing::exampleCircuits()) {
        if (e.fileName == name) {
            testing::buildExample(e, doc);
        }
    }
}

// Clicks the middle of each element named, "undo" and "again" pressing the buttons, noting
// every reply; answers every other window and notes what it says.
class ScriptedLoopTutor final : public LoopTutorWindows {
public:
    ScriptedLoopTutor(CKirvoltDoc& doc, std::vector<std::string> clicks) : doc(doc), clicks(std::move(clicks)) {}

    bool introduce() override { return true; }

    bool countLoops(int branches, int nodes) override
    {
        counted = checkLoopCount(branches - nodes + 1, branches, nodes).message;
        return true;
    }

    bool traceLoops(LoopTracing& tracing) override
    {
        for (const std::string& name : clicks) {
            LoopClickReply reply = name == "undo" ? tracing.undoLast() : name == "again" ? tracing.startAgain() : click(tracing, name);
            replies.push_back(reply.text);
        }
        return tracing.done();
    }

    bool showPage(const LoopTutorPage& page) override
    {
        std::string names;
        for (const auto& c : doc.components) {
            names += page.highlight.isRed(*c) ? c->label + " " : "";
        }
        pages.push_back(std::to_string(page.step) + (page.last ? " last" : "") + " [" + names + "]\n" + page.text);
        return true;
    }

    std::string counted;
    std::vector<std::string> replies;
    std::vector<std::string> pages;

private:
    LoopClickReply click(LoopTracing& tracing, const std::string& name)
    {
        for (const auto& c : doc.components) {
            if (c->label == name) {
                return tracing.click({(c->hitRect.left + c->hitRect.right) / 2, (c->hitRect.top + c->hitRect.bottom) / 2});
            }
        }
        return tracing.click({-1000, -1000});
    }

    CKirvoltDoc& doc;
    std::vector<std::string> clicks;
};

// E1 (9 V) up the left, R1 (30) along the top to the node of R2 (60) down to the rail and R3
// (20) on to the node that J1 (0.3 A) and R4 (15) share with the rail. J1 lies on the student's
// second and third loops, so the second takes its constraint and the third the voltage law of
// the two together, which leaves J1 out. A loop round the outside, the sum of the first two,
// is refused on the way, as are a branch that does not touch and a click on a wire.
TEST(LoopTutorRun, TracesTheStudentsLoopsAndSolvesThemAsTheNodeVoltageMethodDoes)
{
    CKirvoltDoc nodal;
    buildNamedExample("mixed_sources.kvt", nodal);
    ASSERT_TRUE(runAnalysis(nodal, nodalMethod()));
    CKirvoltDoc doc;
    buildNamedExample("mixed_sources.kvt", doc);
    ScriptedPort port;
    doc.setPort(&port);
    ScriptedLoopTutor windows(doc, {"E1", "R1", "R2", "R2", "R3", "J1", "E1", "R1", "R4", "undo", "R3", "J1", "again",
                                    "W1", "J1", "R4"});
    std::vector<std::size_t> shownLoops;
    std::vector<std::size_t> shownCurrents;
    runLoopTutor(doc, windows, [&](const std::vector<std::vector<LoopStep>>& loops, const std::vector<double>& currents) {
        shownLoops.push_back(loops.size());
        shownCurrents.push_back(currents.size());
    });

    EXPECT_EQ(port.messages(), std::vector<std::string>{});
    EXPECT_TRUE(windows.counted.starts_with("Terrific! You got it.\n\nThere are a total of  3 independent loops"));
    EXPECT_EQ(&methodOf(doc), &loopMethod());
    const std::vector<std::string> replies{
        "E1 taken.\n\nYour loop is not closed yet: go on from either end of E1 until the loop comes back to its other end.",
        "R1 taken.\n\nYour loop is not closed yet: go on from the end of R1 until the loop comes back to the end of E1 it "
        "started from.",
        "Loop 1 is closed, and it is independent of the loops before it.\n\n2 more loops are needed.",
        "R2 taken.\n\nYour loop is not closed yet: go on from either end of R2 until the loop comes back to its other end.",
        "R3 taken.\n\nYour loop is not closed yet: go on from the end of R3 until the loop comes back to the end of R2 it "
        "started from.",
        "Loop 2 is closed, and it is independent of the loops before it.\n\n1 more loop is needed.",
        "E1 taken.\n\nYour loop is not closed yet: go on from either end of E1 until the loop comes back to its other end.",
        "R1 taken.\n\nYour loop is not closed yet: go on from the end of R1 until the loop comes back to the end of E1 it "
        "started from.",
        "Sorry,\n\nR4 does not touch R1, the last branch of your loop.\n\nClick a branch that goes on from the end of R1 "
        "your loop has reached.",
        "R1 taken back.\n\nYour loop is not closed yet: go on from either end of E1 until the loop comes back to its other "
        "end.",
        "Sorry,\n\nR3 does not touch E1, the last branch of your loop.\n\nClick a branch that goes on from one of its ends.",
        "J1 taken.\n\nYour loop is not closed yet: go on from the end of J1 until the loop comes back to the end of E1 it "
        "started from.",
        "The loop is cleared.\n\nClick a branch of your circuit to start the loop.",
        "That is no branch of your circuit.\n\nClick a resistor or a source: a wire only joins the branches.",
        "J1 taken.\n\nYour loop is not closed yet: go on from either end of J1 until the loop comes back to its other end.",
        "Loop 3 is closed, and it is independent of the loops before it.\n\nThat makes 3 independent loops, as many as your "
        "circuit has.\n\nGo ahead with your analysis.",
    };
    EXPECT_EQ(windows.replies, replies);
    const std::vector<std::string> pages{
        "3 [E1 R1 R2 ]\nLoop 1 of 3:\n\nThe voltage drops round loop 1, in the direction of I1, add up to the EMFs that "
        "drive it.\n\n        R1·I1 + R2·(I1 − I2) = E1\n=>    30.0·I1 + 60.0·(I1 − I2) = 9.00\n=>    90.00·I1 − 60.00·I2 = 9.00",
        "3 [J1 ]\nLoop 2 of 3:\n\nJ1 lies on loops 2 and 3, so the loop currents through it add up to its current.\n\n"
        "        −I2 + I3 = J1\n=>    −I2 + I3 = 0.300\n=>    −I2 + I3 = 0.30",
        "3 [R2 R3 R4 ]\nLoop 3 of 3:\n\nThe voltage drops round the sum of loops 2 and 3, which leaves out J1, add up to "
        "the EMFs that drive it.\n\n        R2·(I2 − I1) + R3·I2 + R4·I3 = 0\n=>    60.0·(I2 − I1) + 20.0·I2 + 15.0·I3 = 0\n"
        "=>    −60.00·I1 + 80.00·I2 + 15.00·I3 = 0",
        "4 last []\nSolving the equations gives the loop currents:\n\n        I1 = 0.118 A\n        I2 = 0.027 A\n"
        "        I3 = 0.327 A\n\nEach branch carries the sum of the loop currents through it, and the results pane "
        "shows the p.d. and current of every element: they are the same whichever loops you choose.",
    };
    EXPECT_EQ(windows.pages, pages);
    EXPECT_EQ(testing::recordDifferences(nodal, doc), "");
    EXPECT_EQ(testing::paneTexts(nodal), testing::paneTexts(doc));
    EXPECT_EQ(shownLoops, (std::vector<std::size_t>{0, 3, 3}));
    EXPECT_EQ(shownCurrents, (std::vector<std::size_t>{0, 0, 3}));
}

// A circuit the loop current method refuses gets the method's own message and no window.
TEST(LoopTutorRun, ACircuitTheLoopMethodRefusesNeverReachesTheTutor)
{
    for (const char* example : {"floating_circuit.kvt", "dangling_resistor.kvt"}) {
        CKirvoltDoc byMethod;
        buildNamedExample(example, byMethod);
        const AnalysisOutcome refused = analyseCircuit(byMethod, loopMethod());
        ASSERT_FALSE(refused) << example;
        CKirvoltDoc doc;
        buildNamedExample(example, doc);
        ScriptedPort port;
        doc.setPort(&port);
        ScriptedLoopTutor windows(doc, {});
        int shown = 0;
        runLoopTutor(doc, windows, [&shown](const auto&, const auto&) { ++shown; });
        EXPECT_EQ(port.messages(), std::vector<std::string>{refused.refusal->message}) << example;
        EXPECT_EQ(windows.counted, "") << example;
        EXPECT_EQ(shown, 0) << example;
    }
}

}  // namespace
}  // namespace kirvolt
