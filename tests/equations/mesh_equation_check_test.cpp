#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "analysis/mesh_method.h"
#include "document/circuit_file.h"
#include "equations/mesh_equation.h"
#include "equations/mesh_equation_check.h"
#include "support/lattice_circuits.h"

namespace kirvolt {
namespace {

using Kind = EquationVerdict::Kind;
using testing::LatticeCircuit;

const std::string EXAMPLES = KIRVOLT_EXAMPLES_DIR;
const std::string MINUS = "\xE2\x88\x92";

constexpr bool H = true;
constexpr bool V = false;
constexpr int R = KIND_RESISTOR;
constexpr int E = KIND_VOLTAGE_SOURCE;
constexpr int J = KIND_CURRENT_SOURCE;
constexpr int W = KIND_WIRE;

// E1 (12 V) up the left, R1 (10 ohm) and R2 (20 ohm) along the top, R3 (30 ohm) between the
// cells, R4 (40 ohm) down the right: R1·I1 + R3·(I1 − I2) = E1 and
// R2·I2 + R4·I2 + R3·(I2 − I1) = 0.
const LatticeCircuit TWO_MESHES{2, 1, {{V, 0, 0, E, 12}, {H, 0, 0, R, 10}, {H, 1, 0, R, 20}, {V, 1, 0, R, 30},
                                       {V, 2, 0, R, 40}, {H, 0, 1, W}, {H, 1, 1, W}}};
// R1·I1 + R4·(I1 − I2) = E1 in the first of three cells.
const LatticeCircuit THREE_IN_A_ROW{3, 1, {{V, 0, 0, E, 10}, {H, 0, 0, R, 5}, {H, 1, 0, R, 10}, {H, 2, 0, R, 15},
                                           {V, 1, 0, R, 20}, {V, 2, 0, R, 25}, {V, 3, 0, E, 6, false}, {H, 0, 1, W},
                                           {H, 1, 1, W}, {H, 2, 1, W}}};
// J1 (2 A) on the outside gives I1 = −J1; R2·I2 + R3·(I2 − I1) = −E1.
const LatticeCircuit SOURCE_OUTSIDE{2, 1, {{V, 0, 0, J, 2}, {H, 0, 0, R, 10}, {H, 1, 0, R, 20}, {V, 1, 0, R, 30},
                                           {V, 2, 0, E, 9}, {H, 0, 1, W}, {H, 1, 1, W}}};

struct Circuit {
    CKirvoltDoc doc;
    MeshSystem system;
};

// The circuit solved by the mesh current method, with the system its checks judge against.
void prepare(Circuit& circuit)
{
    ASSERT_TRUE(runAnalysis(circuit.doc, meshMethod())) << "the mesh current method refuses the circuit";
    auto built = meshEquationCheckSystem(circuit.doc);
    ASSERT_TRUE(std::holds_alternative<MeshSystem>(built));
    circuit.system = std::move(std::get<MeshSystem>(built));
}

void drawCircuit(const std::string& name, CKirvoltDoc& doc)
{
    if (name == "two meshes") {
        testing::drawLattice(TWO_MESHES, doc);
    } else if (name == "three in a row") {
        testing::drawLattice(THREE_IN_A_ROW, doc);
    } else if (name == "source outside") {
        testing::drawLattice(SOURCE_OUTSIDE, doc);
    } else {
        ASSERT_TRUE(loadCircuit(EXAMPLES + "/" + name + ".kvt", doc).ok) << name;
    }
}

struct FaultCase {
    const char* fault;
    const char* circuit;
    int mesh;
    const char* equation;
    Kind kind;
    std::string message;
};

const std::string NOT_MESH_1 = "Not yet: this is not the KVL equation of mesh 1.\n";
const std::string NOT_MESH_2 = "Not yet: this is not the KVL equation of mesh 2.\n";

// mixed_sources: R1·I1 + R2·(I1 − I2) = E1 round mesh 1; J1 between meshes 3 and 2 joins them
// into a supermesh, R3·I2 + R2·(I2 − I1) + R4·I3 = 0, and gives mesh 3 I3 − I2 = J1.
const std::vector<FaultCase>& faultCases()
{
    static const std::vector<FaultCase> cases = {
        {"right", "two meshes", 1, "R1*I1 + R3*(I1 - I2) = E1", Kind::Right, "Right: this is the KVL equation of mesh 1."},
        {"right, written with I(k)", "two meshes", 1, "R1*I(1) + R3*(I(1) - i2) = e1", Kind::Right,
         "Right: this is the KVL equation of mesh 1."},
        {"resistor term missing", "two meshes", 1, "R3*(I1 - I2) = E1", Kind::Wrong,
         NOT_MESH_1 + "The term for R1 is missing: going clockwise round mesh 1, the current passes through R1, a "
                      "voltage drop of R1\xC2\xB7I1."},
        {"shared resistor without the neighbour's current", "two meshes", 1, "R1*I1 + R3*I1 = E1", Kind::Wrong,
         NOT_MESH_1 + "The term for R3 leaves out I2: R3 is shared with mesh 2, so the current through it is I1 " +
             MINUS + " I2 and its drop is R3\xC2\xB7(I1 " + MINUS + " I2)."},
        {"shared resistor with the neighbour's current the wrong way", "two meshes", 1, "R1*I1 + R3*(I1 + I2) = E1",
         Kind::Wrong,
         NOT_MESH_1 + "The term for R3 takes I2 the wrong way round: going clockwise round mesh 1, mesh 2's current "
                      "runs through R3 against I1, so the drop is R3\xC2\xB7(I1 " + MINUS + " I2), not "
                      "R3\xC2\xB7(I1 + I2)."},
        {"shared resistor turned round", "two meshes", 1, "R1*I1 + R3*(I2 - I1) = E1", Kind::Wrong,
         NOT_MESH_1 + "The term for R3 is turned round: going clockwise round mesh 1, the drop across R3 is "
                      "R3\xC2\xB7(I1 " + MINUS + " I2), not R3\xC2\xB7(I2 " + MINUS + " I1)."},
        {"resistor term with the wrong sign", "two meshes", 2, "R2*I2 - R4*I2 + R3*(I2 - I1) = 0", Kind::Wrong,
         NOT_MESH_2 + "The term for R4 has the wrong sign: going clockwise round mesh 2, the current I2 makes a drop "
                      "of R4\xC2\xB7I2 across R4, not " + MINUS + "R4\xC2\xB7I2."},
        {"EMF with the wrong sign", "two meshes", 1, "R1*I1 + R3*(I1 - I2) = -E1", Kind::Wrong,
         NOT_MESH_1 + "E1 has the wrong sign: going clockwise round mesh 1, the current passes through E1 from " +
             MINUS + " to +, a rise of 12 V, so +E1 stands on the side of the EMFs and " + MINUS +
             "E1 beside the voltage drops."},
        {"EMF missing", "two meshes", 1, "R1*I1 + R3*(I1 - I2) = 0", Kind::Wrong,
         NOT_MESH_1 + "The EMF of E1 is missing: going clockwise round mesh 1, the current passes through E1 from " +
             MINUS + " to +, a rise of 12 V."},
        {"constant without a source", "two meshes", 2, "R2*I2 + R4*I2 + R3*(I2 - I1) = 5", Kind::Wrong,
         NOT_MESH_2 + "The equation has a constant term, but no voltage source lies round mesh 2, so its voltage "
                      "drops add up to 0."},
        {"element not on the mesh", "two meshes", 1, "R1*I1 + R3*(I1 - I2) + R4*I1 = E1", Kind::Wrong,
         NOT_MESH_1 + "The equation has a term for R4, which is not on mesh 1: R4 lies on mesh 2, at the edge of the "
                      "drawing."},
        {"current of a mesh beyond the neighbours", "three in a row", 1, "R1*I1 + R4*(I1 - I2) + 5*I3 = E1",
         Kind::Wrong, NOT_MESH_1 + "The equation has a term in I3, but mesh 3 shares no resistor with mesh 1."},
        {"coefficients that fit no way of writing the drops", "two meshes", 1, "15*I1 - 30*I2 = 12", Kind::Wrong,
         NOT_MESH_1 + "The coefficient of I1 is wrong: the resistors round mesh 1 (R1 and R3) add up to 40 ohm, but "
                      "the equation gives it 15 ohm."},
        {"another mesh's equation", "two meshes", 1, "R2*I2 + R4*I2 + R3*(I2 - I1) = 0", Kind::Wrong,
         NOT_MESH_1 + "This is the equation of mesh 2, not of mesh 1."},
        {"no mesh current", "two meshes", 1, "E1 = 12", Kind::Wrong,
         NOT_MESH_1 + "The equation has no term in I1 or in the current of a mesh beside mesh 1, so it cannot be its "
                      "KVL equation."},
        {"current source in a KVL equation", "source outside", 2, "R2*I2 + R3*(I2 - I1) + R2*J1 = -E1", Kind::Wrong,
         NOT_MESH_2 + "The equation has a term for J1, a current source: a KVL equation adds up voltages, and the "
                      "voltage across a current source is not known beforehand, so J1 has no place in it."},
        {"current source inside a supermesh", "mixed_sources", 2, "R3*I2 + R2*(I2 - I1) + R4*I3 = J1", Kind::Wrong,
         "Not yet: this is not the KVL equation of the supermesh of meshes 2 and 3.\nThe equation has a term for J1, "
         "which lies inside the supermesh of meshes 2 and 3: a KVL equation adds up voltages, the voltage across a "
         "current source is not known beforehand, so the supermesh's equation leaves J1 out and J1 gives an "
         "equation of its own, I3 " + MINUS + " I2 = J1."},
        {"supermesh right", "mixed_sources", 2, "R3*I2 + R2*(I2 - I1) + R4*I3 = 0", Kind::Right,
         "Right: this is the KVL equation of the supermesh of meshes 2 and 3."},
        {"supermesh's source right", "mixed_sources", 3, "I3 - I2 = J1", Kind::Right,
         "Right: J1 between meshes 3 and 2 carries the difference of their currents: I3 " + MINUS + " I2 = J1."},
        {"supermesh's source turned round", "mixed_sources", 3, "I2 - I3 = J1", Kind::Wrong,
         "Not yet: this is not the equation of mesh 3.\nJ1 between meshes 3 and 2 carries the difference of their "
         "currents, so the equation of mesh 3 is I3 " + MINUS + " I2 = J1.\nThe sign of J1 is wrong: J1 drives its "
         "current the way I3 runs through it, against I2."},
        {"supermesh's voltage law at the source's mesh", "mixed_sources", 3, "R3*I2 + R2*(I2 - I1) + R4*I3 = 0",
         Kind::Wrong,
         "Not yet: this is not the equation of mesh 3.\nJ1 between meshes 3 and 2 carries the difference of their "
         "currents, so the equation of mesh 3 is I3 " + MINUS + " I2 = J1.\nThis is the equation of mesh 2."},
        {"voltage law for a mesh a source decides", "mixed_sources", 3, "R4*I3 = 0", Kind::Wrong,
         "Not yet: this is not the equation of mesh 3.\nJ1 between meshes 3 and 2 carries the difference of their "
         "currents, so the equation of mesh 3 is I3 " + MINUS + " I2 = J1.\nNo KVL equation is written for mesh 3: "
         "the voltage across J1 is not known beforehand, so the equation of J1 takes its place."},
        {"fixed current right", "source outside", 1, "I1 = -J1", Kind::Right,
         "Right: J1 on the outside of the drawing gives mesh 1 its current: I1 = " + MINUS + "J1."},
        {"fixed current with the wrong sign", "source outside", 1, "I1 = J1", Kind::Wrong,
         "Not yet: this is not the equation of mesh 1.\nJ1 on the outside of the drawing gives mesh 1 its current, "
         "so its equation is I1 = " + MINUS + "J1.\nThe sign of J1 is wrong: J1 drives its current against the "
         "clockwise current of mesh 1."},
        {"mesh currents multiplied", "two meshes", 1, "I1*I2 = 3", Kind::Unreadable,
         "Kirvolt could not read the equation after \xE2\x80\x9CI1\xE2\x80\x9D: it multiplies mesh currents "
         "together, and a KVL equation is linear in the mesh currents."},
        {"no such mesh current", "two meshes", 1, "I7 = 0", Kind::Unreadable,
         "Kirvolt could not read the equation from its start: there is no mesh current or element called "
         "\xE2\x80\x9CI7\xE2\x80\x9D in this circuit (a mesh current is I followed by the mesh's number, such as "
         "I1)."},
        {"nothing typed", "two meshes", 1, "", Kind::Unreadable,
         "Kirvolt could not read the equation from its start: a number, a mesh current such as I1, an element name "
         "such as R1, or \xE2\x80\x9C(\xE2\x80\x9D should come here."},
        {"mesh out of range", "two meshes", 3, "I3 = 0", Kind::Unreadable,
         "There is no mesh 3 in this circuit: its drawing has 2 meshes."},
    };
    return cases;
}

TEST(CheckMeshEquation, EachFaultIsNamed)
{
    for (const FaultCase& c : faultCases()) {
        Circuit circuit;
        drawCircuit(c.circuit, circuit.doc);
        prepare(circuit);
        const EquationVerdict verdict = checkMeshEquation(circuit.doc, circuit.system, c.mesh, c.equation);
        EXPECT_EQ(verdict.kind, c.kind) << c.fault;
        EXPECT_EQ(verdict.message, c.message) << c.fault;
    }
}

// The sums either side of "=" split into their terms at the signs outside parentheses; each
// term keeps its sign in front.
std::vector<std::string> termsOf(const std::string& side)
{
    std::vector<std::string> terms;
    std::string term;
    int depth = 0;
    for (std::size_t i = 0; i < side.size(); ++i) {
        const bool minus = side.compare(i, MINUS.size(), MINUS) == 0;
        const char c = side[i];
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth == 0 && (minus || c == '+') && !term.empty() && term.find_first_not_of(' ') != std::string::npos) {
            terms.push_back(term);
            term.clear();
        }
        if (minus) {
            term += "-";
            i += MINUS.size() - 1;
        } else {
            term += c;
        }
    }
    terms.push_back(term);
    return terms;
}

std::string joined(const std::vector<std::string>& terms)
{
    std::string text;
    for (const std::string& term : terms) {
        text += " + (0 + " + term + ")";
    }
    return text;
}

// The same equation as students rearrange it: sides swapped, both negated, brought to one side
// and scaled, divided through by a value with a prefix, its terms in the other order and its
// first term moved across "=".
std::vector<std::string> rearranged(const std::string& equation)
{
    const std::size_t equals = equation.find('=');
    const std::string left = equation.substr(0, equals);
    const std::string right = equation.substr(equals + 1);
    std::vector<std::string> leftTerms = termsOf(left);
    const std::string first = leftTerms.front();
    std::vector<std::string> rest(leftTerms.begin() + 1, leftTerms.end());
    std::ranges::reverse(leftTerms);
    return {equation,
            right + " = " + left,
            "-(" + left + ") = -(" + right + ")",
            "2*(" + left + ") - 2*(" + right + ") = 0",
            "0 = (" + right + ")*4.7k - (" + left + ")*4.7k",
            "(" + left + ")/10m = (" + right + ")/10m",
            joined(leftTerms) + " = " + right,
            "0" + joined(rest) + " = " + right + " - (0 + " + first + ")"};
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

// Every mesh's equation in its three written forms and their rearrangements is right, and the
// names line of each other voltage law is wrong for it.
int checkEveryMesh(const std::string& name, const CKirvoltDoc& doc, const MeshSystem& system, bool allLines)
{
    int checked = 0;
    const std::vector<MeshEquation> equations = meshEquations(doc, system);
    for (int mesh = 1; mesh <= system.meshes.count(); ++mesh) {
        const MeshEquation& e = equations[static_cast<std::size_t>(mesh - 1)];
        std::vector<std::string> lines{e.names};
        if (allLines) {
            lines.insert(lines.end(), {e.values, e.numbers});
        }
        for (const std::string& line : lines) {
            for (const std::string& form : rearranged(line)) {
                const EquationVerdict verdict = checkMeshEquation(doc, system, mesh, form);
                EXPECT_EQ(verdict.kind, Kind::Right) << name << " mesh " << mesh << ": " << form << "\n" << verdict.message;
                ++checked;
            }
        }
        for (int other = 1; other <= system.meshes.count(); ++other) {
            if (other != mesh) {
                const std::string& names = equations[static_cast<std::size_t>(other - 1)].names;
                EXPECT_EQ(checkMeshEquation(doc, system, mesh, names).kind, Kind::Wrong)
                    << name << ": mesh " << other << "'s equation taken for mesh " << mesh;
            }
        }
    }
    return checked;
}

TEST(CheckMeshEquation, EveryMeshOfEveryExampleTakesItsEquationInManyForms)
{
    int checked = 0;
    int solved = 0;
    for (const auto& file : exampleFiles()) {
        Circuit circuit;
        ASSERT_TRUE(loadCircuit(file.string(), circuit.doc).ok) << file;
        if (!runAnalysis(circuit.doc, meshMethod())) {
            continue;
        }
        ++solved;
        auto built = meshEquationCheckSystem(circuit.doc);
        ASSERT_TRUE(std::holds_alternative<MeshSystem>(built)) << file;
        checked += checkEveryMesh(file.filename().string(), circuit.doc, std::get<MeshSystem>(built), true);
    }
    EXPECT_GT(solved, 15);
    EXPECT_GT(checked, 800);
}

TEST(CheckMeshEquation, RandomLatticesTakeTheirOwnEquations)
{
    std::mt19937 random(2718);
    int solved = 0;
    for (int round = 0; round < 250; ++round) {
        Circuit circuit;
        testing::drawLattice(testing::randomLatticeCircuit(random), circuit.doc);
        if (!runAnalysis(circuit.doc, meshMethod())) {
            continue;
        }
        ++solved;
        auto built = meshEquationCheckSystem(circuit.doc);
        ASSERT_TRUE(std::holds_alternative<MeshSystem>(built)) << "round " << round;
        // Random values are shown rounded, so only the lines with names are exact.
        checkEveryMesh("round " + std::to_string(round), circuit.doc, std::get<MeshSystem>(built), false);
    }
    EXPECT_GT(solved, 70);
}

TEST(CheckMeshEquation, ADrawingTheMethodRefusesIsRefusedWithItsMessage)
{
    CKirvoltDoc doc;
    testing::drawLattice({2, 1, {{V, 0, 0, E, 12}, {H, 0, 0, R, 10}, {H, 1, 0, W}, {V, 1, 0, W}, {V, 2, 0, W},
                                 {H, 0, 1, R, 5}, {H, 1, 1, W}}},
                         doc);
    const auto built = meshEquationCheckSystem(doc);
    ASSERT_TRUE(std::holds_alternative<Explanation>(built));
    EXPECT_TRUE(std::get<Explanation>(built).message.starts_with("W5, W6, W7 and W10 close a loop of wires"));
    CKirvoltDoc empty;
    const auto none = meshEquationCheckSystem(empty);
    ASSERT_TRUE(std::holds_alternative<Explanation>(none));
    EXPECT_EQ(std::get<Explanation>(none).message, "Create your circuit first.");
}

TEST(CheckMeshEquation, InstructionsSayWhatEachKindOfMeshTakes)
{
    const std::string notation =
        " Write mesh currents as I and the mesh's number (I3), each running clockwise, element names for their "
        "values (R1, E1, J1), numbers with or without prefixes (4.7k, 10m), + - * / and parentheses, and one "
        "\xE2\x80\x9C=\xE2\x80\x9D.";
    Circuit circuit;
    drawCircuit("mixed_sources", circuit.doc);
    prepare(circuit);
    EXPECT_EQ(meshEquationCheckInstructions(circuit.doc, circuit.system, 3),
              "J1 between meshes 3 and 2 carries the difference of their currents. Type the equation that says so "
              "for mesh 3." + notation);
    std::string two = notation;
    two.replace(two.find("(I3)"), 4, "(I2)");
    EXPECT_EQ(meshEquationCheckInstructions(circuit.doc, circuit.system, 2),
              "Mesh 2 belongs to the supermesh of meshes 2 and 3, which current sources join. Type the KVL equation "
              "round the supermesh: the voltage drops round the supermesh of meshes 2 and 3 add up to its EMFs, "
              "leaving out J1." + two);
}

}  // namespace
}  // namespace kirvolt
