#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "analysis/loop_method.h"
#include "document/circuit_file.h"
#include "equations/loop_equation.h"
#include "equations/loop_equation_check.h"

namespace kirvolt {
namespace {

using Kind = EquationVerdict::Kind;

const std::string EXAMPLES = KIRVOLT_EXAMPLES_DIR;

struct Circuit {
    CKirvoltDoc doc;
    LoopSystem system;
};

void prepare(const std::string& file, const std::vector<std::string>& tree, Circuit& circuit)
{
    ASSERT_TRUE(loadCircuit(EXAMPLES + "/" + file, circuit.doc).ok) << file;
    ASSERT_TRUE(runAnalysis(circuit.doc, LoopMethod(tree))) << file;
    auto built = loopEquationCheckSystem(circuit.doc, tree);
    ASSERT_TRUE(std::holds_alternative<LoopSystem>(built)) << file;
    circuit.system = std::move(std::get<LoopSystem>(built));
}

struct FaultCase {
    const char* file;
    std::vector<std::string> tree;
    const char* current;
    const char* equation;
    Kind kind;
    std::string message;
};

const std::string NOT_R2 = "Not yet: this is not the KVL equation of the loop of R2.\n";
const std::string NOT_R5 = "Not yet: this is not the KVL equation of the loop of R5.\n";

// The bridge's textbook tree is E1, R1, R3: round the loop of R2, R1 (10 ohm) carries I_R5 the
// same way and E1 (10 V) is met from - to +; round the loop of R5, R3 (15 ohm) carries I_R4
// against it and R1 carries I_R2 with it. In the other circuit J1 (0.5 A) is a chord.
const FaultCase FAULTS[] = {
    {"wheatstone_unbalanced.kvt", {}, "I_R2", "R2*I_R2 + R1*(I_R2 + I_R5) = E1", Kind::Right,
     "Right: this is the KVL equation of the loop of R2."},
    {"wheatstone_unbalanced.kvt", {}, "I_R2", "-2*(30*I(R2) + 10*I(R5)) = -20", Kind::Right,
     "Right: this is the KVL equation of the loop of R2."},
    {"wheatstone_unbalanced.kvt", {}, "I_R2", "R2*I_R2 = E1", Kind::Wrong,
     NOT_R2 + "The term for R1 is missing: going round the loop of R2 in the direction of I_R2, the current passes "
              "through R1, a voltage drop of R1·(I_R2 + I_R5)."},
    {"wheatstone_unbalanced.kvt", {}, "I_R2", "R2*I_R2 + R1*I_R2 = E1", Kind::Wrong,
     NOT_R2 + "The term for R1 leaves out I_R5: R1 is on the loop of R5 too, so the current through it is "
              "(I_R2 + I_R5) and its drop is R1·(I_R2 + I_R5)."},
    {"wheatstone_unbalanced.kvt", {}, "I_R2", "R2*I_R2 + R1*(I_R2 - I_R5) = E1", Kind::Wrong,
     NOT_R2 + "The term for R1 takes I_R5 the wrong way round: going round the loop of R2 in the direction of I_R2, "
              "I_R5 runs through R1 the same way as I_R2, so the drop is R1·(I_R2 + I_R5), not R1·(I_R2 − I_R5)."},
    {"wheatstone_unbalanced.kvt", {}, "I_R2", "R2*I_R2 + R1*(I_R2 + I_R5) = -E1", Kind::Wrong,
     NOT_R2 + "E1 has the wrong sign: going round the loop of R2 in the direction of I_R2, the current passes through "
              "E1 from − to +, a rise of 10 V, so +E1 stands on the side of the EMFs and −E1 beside the voltage drops."},
    {"wheatstone_unbalanced.kvt", {}, "I_R2", "R2*I_R2 + R1*(I_R2 + I_R5) = 0", Kind::Wrong,
     NOT_R2 + "The EMF of E1 is missing: going round the loop of R2 in the direction of I_R2, the current passes "
              "through E1 from − to +, a rise of 10 V."},
    {"wheatstone_unbalanced.kvt", {}, "I_R2", "R2*I_R2 + R1*(I_R2 + I_R5) + R4*I_R2 = E1", Kind::Wrong,
     NOT_R2 + "The equation has a term for R4, which is not on the loop of R2: R4 is a chord and closes a loop of "
              "its own."},
    {"wheatstone_unbalanced.kvt", {}, "I_R2", "R4*I_R4 + R3*(I_R4 - I_R5) = E1", Kind::Wrong,
     NOT_R2 + "This is the equation of the loop of R4, not of the loop of R2."},
    {"wheatstone_unbalanced.kvt", {}, "I_R5", "R5*I_R5 + R3*(I_R5 + I_R4) + R1*(I_R5 + I_R2) = 0", Kind::Wrong,
     NOT_R5 + "The term for R3 takes I_R4 the wrong way round: going round the loop of R5 in the direction of I_R5, "
              "I_R4 runs through R3 against I_R5, so the drop is R3·(I_R5 − I_R4), not R3·(I_R5 + I_R4)."},
    {"wheatstone_unbalanced.kvt", {}, "I_R5", "-R5*I_R5 + R3*(I_R5 - I_R4) + R1*(I_R5 + I_R2) = 0", Kind::Wrong,
     NOT_R5 + "The term for R5 has the wrong sign: going round the loop of R5 in the direction of I_R5, the drop "
              "across R5 is R5·I_R5, not −R5·I_R5."},
    {"wheatstone_unbalanced.kvt", {"E1", "R2", "R4"}, "I_R1", "R1*I_R1 + R2*(I_R1 - I_R5) = E1", Kind::Right,
     "Right: this is the KVL equation of the loop of R1."},
    {"current_into_node.kvt", {}, "I_R2", "R2*I_R2 + R1*(I_R2 - I_J1) + J1 = E1", Kind::Wrong,
     "Not yet: this is not the KVL equation of the loop of R2.\nThe equation has a term for J1, a current source: a "
     "KVL equation adds up voltages, and the voltage across a current source is not known beforehand, so J1 has no "
     "place in it."},
    {"current_into_node.kvt", {}, "I_J1", "I_J1 = J1", Kind::Right,
     "Right: J1 is the chord of its loop, so the loop current is the source's own current: I_J1 = J1."},
    {"current_into_node.kvt", {}, "I_J1", "I_J1 = -J1", Kind::Wrong,
     "Not yet: this is not the equation of the loop of J1.\nJ1 is the chord of its loop, so the loop current is the "
     "source's own current, so its equation is I_J1 = J1.\nThe sign of J1 is wrong: I_J1 runs through J1 the way the "
     "source drives its current."},
    {"current_into_node.kvt", {}, "I_J1", "R1*(I_J1 - I_R2) = 0", Kind::Wrong,
     "Not yet: this is not the equation of the loop of J1.\nJ1 is the chord of its loop, so the loop current is the "
     "source's own current, so its equation is I_J1 = J1.\nNo KVL equation is written for the loop of J1: the voltage "
     "across J1 is not known beforehand, so the equation of J1 takes its place."},
    {"current_into_node.kvt", {}, "I_J1", "I_R7 = J1", Kind::Unreadable,
     "Kirvolt could not read the equation from its start: there is no loop current or element called "
     "\xE2\x80\x9CI_R7\xE2\x80\x9D in this circuit (a loop current is I_ followed by the name of its chord, such as I_R3)."},
};

TEST(CheckLoopEquation, EachFaultIsNamed)
{
    for (const FaultCase& c : FAULTS) {
        Circuit circuit;
        prepare(c.file, c.tree, circuit);
        const auto loop = loopNamed(circuit.doc, circuit.system, c.current);
        ASSERT_TRUE(std::holds_alternative<int>(loop)) << c.current;
        const EquationVerdict verdict = checkLoopEquation(circuit.doc, circuit.system, std::get<int>(loop), c.equation);
        EXPECT_EQ(verdict.kind, c.kind) << c.equation;
        EXPECT_EQ(verdict.message, c.message) << c.equation;
    }
}

TEST(CheckLoopEquation, ALoopThatIsNoneIsNamedWithTheLoopsThereAre)
{
    Circuit circuit;
    prepare("wheatstone_unbalanced.kvt", {}, circuit);
    EXPECT_EQ(std::get<int>(loopNamed(circuit.doc, circuit.system, "R4")), 2);
    EXPECT_EQ(std::get<std::string>(loopNamed(circuit.doc, circuit.system, "I_R1")),
              "There is no loop current \xE2\x80\x9CI_R1\xE2\x80\x9D in this circuit: its loop currents are I_R2, I_R4 "
              "and I_R5.");
}

// The same equation as students rearrange it: sides swapped, both negated, brought to one side
// and scaled, divided through by a value with a prefix, and with I(R3) for I_R3.
std::vector<std::string> rearranged(const std::string& equation)
{
    const std::size_t equals = equation.find('=');
    const std::string left = equation.substr(0, equals);
    const std::string right = equation.substr(equals + 1);
    return {equation,
            right + " = " + left,
            "-(" + left + ") = -(" + right + ")",
            "2*(" + left + ") - 2*(" + right + ") = 0",
            "(" + left + ")/10m = (" + right + ")/10m",
            std::regex_replace(equation, std::regex("I_([A-Za-z0-9]+)"), "I($1)")};
}

TEST(CheckLoopEquation, EveryLoopOfEveryExampleTakesItsEquationInManyForms)
{
    int checked = 0;
    int solved = 0;
    for (const auto& entry : std::filesystem::directory_iterator(EXAMPLES)) {
        if (entry.path().extension() != ".kvt") {
            continue;
        }
        CKirvoltDoc doc;
        ASSERT_TRUE(loadCircuit(entry.path().string(), doc).ok);
        if (!runAnalysis(doc, loopMethod())) {
            continue;
        }
        ++solved;
        auto built = loopEquationCheckSystem(doc);
        ASSERT_TRUE(std::holds_alternative<LoopSystem>(built)) << entry.path();
        const LoopSystem& system = std::get<LoopSystem>(built);
        const std::vector<LoopEquation> equations = loopEquations(doc, system);
        for (int k = 1; k <= system.tree.count(); ++k) {
            const LoopEquation& e = equations[static_cast<std::size_t>(k - 1)];
            for (const std::string& line : {e.names, e.values, e.numbers}) {
                for (const std::string& form : rearranged(line)) {
                    const EquationVerdict verdict = checkLoopEquation(doc, system, k, form);
                    EXPECT_EQ(verdict.kind, Kind::Right) << entry.path() << " loop " << k << ": " << form << "\n"
                                                         << verdict.message;
                    ++checked;
                }
            }
            for (int other = 1; other <= system.tree.count(); ++other) {
                if (other != k) {
                    EXPECT_EQ(checkLoopEquation(doc, system, k, equations[static_cast<std::size_t>(other - 1)].names).kind,
                              Kind::Wrong)
                        << entry.path() << ": loop " << other << "'s equation taken for loop " << k;
                }
            }
        }
    }
    EXPECT_GT(solved, 10);
    EXPECT_GT(checked, 300);
}

}  // namespace
}  // namespace kirvolt
