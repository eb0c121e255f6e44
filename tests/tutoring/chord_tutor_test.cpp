#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/circuit_file.h"
#include "support/scripted_port.h"
#include "tutoring/chord_tutor_run.h"
#include "tutoring/tree_quiz.h"

namespace kirvolt {
namespace {

using testing::ScriptedPort;

const std::string EXAMPLES = KIRVOLT_EXAMPLES_DIR;

int branchLabelled(const CKirvoltDoc& doc, const std::string& label)
{
    for (const auto& element : doc.components) {
        if (element->label == label) {
            return element->branchIndex;
        }
    }
    return 0;
}

std::string redLabels(const CKirvoltDoc& doc, const Highlight& highlight)
{
    std::string labels;
    for (const auto& element : doc.components) {
        if (highlight.isRed(*element) && !element->label.empty() && element->kindCode != KIND_JOINT) {
            labels += (labels.empty() ? "" : " ") + element->label;
        }
    }
    return labels;
}

// Answers the tutor's windows as a student would: picks the branches in order, types each
// loop's equation from the list, and notes what each window said.
class ScriptedChordTutor final : public ChordTutorWindows {
public:
    ScriptedChordTutor(CKirvoltDoc& doc, std::vector<std::string> clicks, std::vector<std::string> typed)
        : doc(doc), clicks(std::move(clicks)), typed(std::move(typed))
    {
    }

    bool introduce() override
    {
        seen.push_back("introduction");
        return true;
    }

    bool pickTree(TreeQuiz& quiz, const std::function<void()>& treeChanged) override
    {
        for (const std::string& label : clicks) {
            const TreeClickReply reply = quiz.pick(branchLabelled(doc, label));
            seen.push_back("1 " + label + " [" + redLabels(doc, reply.highlight) + "] " + reply.text);
            if (reply.changed) {
                treeChanged();
            }
        }
        seen.push_back(quiz.progress());
        return quiz.complete();
    }

    bool showPage(const ChordTutorPage& page) override
    {
        seen.push_back(std::to_string(page.step) + " [" + redLabels(doc, page.highlight) + "] " + page.text);
        return true;
    }

    // Types the next answers until one is right.
    bool writeEquation(const LoopEquationTask& task) override
    {
        while (written < typed.size()) {
            const EquationVerdict verdict = task.check(typed[written++]);
            seen.push_back("4 " + task.heading + " [" + redLabels(doc, task.highlight) + "] " + verdict.message +
                           (task.last ? " (last)" : ""));
            if (verdict.kind == EquationVerdict::Kind::Right) {
                return true;
            }
        }
        return false;
    }

    std::vector<std::string> seen;

private:
    CKirvoltDoc& doc;
    std::vector<std::string> clicks;
    std::vector<std::string> typed;
    std::size_t written = 0;
};

struct ClickCase {
    const char* file;
    std::vector<std::string> clicks;
    std::string lastReply;
};

// The bridge has 4 nodes, so 3 tree branches; E1, R1 and R2 go round one loop.
const ClickCase CLICKS[] = {
    {"wheatstone_unbalanced.kvt", {"E1"}, "1 E1 [] E1 is in the tree."},
    {"wheatstone_unbalanced.kvt", {"E1", "R1", "R2"},
     "1 R2 [E1 R1 R2] R2 would close a loop with R1 and E1, so it cannot be in the tree."},
    {"wheatstone_unbalanced.kvt", {"E1", "R1", "R1"}, "1 R1 [] R1 is taken out of the tree; it is a chord again."},
    {"wheatstone_unbalanced.kvt", {"E1", "R1", "R5"},
     "1 R5 [] R5 is in the tree.\n\nThe tree is complete: its 3 branches join all 4 nodes, and every other branch is a "
     "chord that closes one loop with it."},
    {"current_into_node.kvt", {"J1"},
     "1 J1 [J1] J1 cannot be in the tree: a current source fixes the current of its branch, so it must be a chord."},
};

TEST(TreeQuiz, EachClickIsAnsweredWithItsSentence)
{
    for (const ClickCase& c : CLICKS) {
        CKirvoltDoc doc;
        ScriptedPort port;
        doc.setPort(&port);
        ASSERT_TRUE(loadCircuit(EXAMPLES + "/" + c.file, doc).ok);
        ScriptedChordTutor windows(doc, c.clicks, {});
        runChordTutor(doc, windows, [](const std::vector<std::string>&, bool) {});
        ASSERT_GE(windows.seen.size(), c.clicks.size() + 1) << c.file;
        EXPECT_EQ(windows.seen[c.clicks.size()], c.lastReply);
    }
}

// A wrong branch, then a tree of E1, R1 and R5; its chords R2, R3 and R4 each get a page, and
// each loop's equation is checked, and at the end the circuit is solved over the student's
// tree. Worked by hand: R1 (node 1 to 3) carries I_R2 and I_R4 one way and I_R3 the other,
// R5 (3 to 4) carries I_R4 against I_R3.
TEST(ChordTutor, AStudentsTreeIsTakenToTheEnd)
{
    CKirvoltDoc doc;
    ScriptedPort port;
    doc.setPort(&port);
    ASSERT_TRUE(loadCircuit(EXAMPLES + "/wheatstone_unbalanced.kvt", doc).ok);
    ScriptedChordTutor windows(doc, {"E1", "R1", "R2", "R5"},
                               {"R2*I_R2 + R1*(I_R2 - I_R3 + I_R4) = E1", "R2*I_R2 + R1*I_R3 = 0",
                                "-10*I_R2 + 30*I_R3 - 15*I_R4 = 0",
                                "R4*I(R4) + R1*(I(R4) + I(R2) - I(R3)) + R5*(I(R4) - I(R3)) = E1"});
    std::vector<std::string> lastTree;
    bool solved = false;
    runChordTutor(doc, windows, [&](const std::vector<std::string>& tree, bool values) {
        lastTree = tree;
        solved = values;
    });
    ASSERT_EQ(windows.seen.size(), 15u);
    EXPECT_EQ(windows.seen[5], "Your tree has 3 of its 3 branches: E1, R1 and R5.");
    EXPECT_EQ(windows.seen[6], "2 [R2 R3 R4] Your tree has 3 branches: E1, R1 and R5.\n\nThe other branches are its "
                               "chords: R2, R3 and R4.\n\nEach chord closes one loop with the tree. The current of that "
                               "loop runs through the chord in the chord's own direction and is named after it: I_R2, "
                               "I_R3 and I_R4.\n\nThere are 3 loop currents, so 3 loop equations are needed, one for "
                               "each chord.");
    EXPECT_EQ(windows.seen[8], "3 [R1 R3 R5] Loop 2 of 3: the loop of R3\n\nR3 closes it with the tree. Going round it "
                               "in the direction of I_R3, it runs through R3, R5 and R1.");
    EXPECT_EQ(windows.seen[11], "4 Loop 1 of 3: the loop of R2 [E1 R1 R2] Right: this is the KVL equation of the loop of R2.");
    EXPECT_EQ(windows.seen[12],
              "4 Loop 2 of 3: the loop of R3 [R1 R3 R5] Not yet: this is not the KVL equation of the loop of R3.\n"
              "The equation has a term for R2, which is not on the loop of R3: R2 is a chord and closes a loop of its "
              "own.\nThe term for R3 is missing: going round the loop of R3 in the direction of I_R3, the current "
              "passes through R3, a voltage drop of R3\xC2\xB7I_R3.\nThe term for R5 is missing: going round the loop "
              "of R3 in the direction of I_R3, the current passes through R5, a voltage drop of R5\xC2\xB7(I_R3 "
              "\xE2\x88\x92 I_R4).\nThe term for R1 leaves out I_R2 and I_R4: R1 is on the loop of R2 and the loop of "
              "R4 too, so the current through it is (I_R3 \xE2\x88\x92 I_R2 \xE2\x88\x92 I_R4) and its drop is "
              "R1\xC2\xB7(I_R3 \xE2\x88\x92 I_R2 \xE2\x88\x92 I_R4).");
    EXPECT_EQ(windows.seen[13], "4 Loop 2 of 3: the loop of R3 [R1 R3 R5] Right: this is the KVL equation of the loop of R3.");
    EXPECT_EQ(windows.seen[14], "4 Loop 3 of 3: the loop of R4 [E1 R1 R4 R5] Right: this is the KVL equation of the loop "
                                "of R4. (last)");
    EXPECT_EQ(lastTree, (std::vector<std::string>{"E1", "R1", "R5"}));
    EXPECT_TRUE(solved);
    EXPECT_TRUE(port.messages().empty());
}

// The loop current method's refusal comes before any window, in its own words.
TEST(ChordTutor, ACircuitTheLoopMethodRefusesNeverReachesTheTutor)
{
    CKirvoltDoc doc;
    ScriptedPort port;
    doc.setPort(&port);
    ASSERT_TRUE(loadCircuit(EXAMPLES + "/dangling_resistor.kvt", doc).ok);
    ScriptedChordTutor windows(doc, {}, {});
    runChordTutor(doc, windows, [](const std::vector<std::string>&, bool) {});
    EXPECT_TRUE(windows.seen.empty());
    ASSERT_EQ(port.messages().size(), 1u);
    EXPECT_TRUE(port.messages().front().starts_with("Node 3 is not correctly connected.")) << port.messages().front();
}

}  // namespace
}  // namespace kirvolt
