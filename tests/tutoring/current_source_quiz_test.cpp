#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "analysis/mesh_method.h"
#include "support/lattice_circuits.h"
#include "support/scripted_port.h"
#include "tutoring/current_source_quiz.h"

namespace kirvolt {
namespace {

using testing::LatticeCircuit;

constexpr bool H = true;
constexpr bool V = false;
constexpr MeshClaim KNOWN = MeshClaim::knownCurrent;
constexpr MeshClaim PAIR = MeshClaim::joinedPair;

// E1 up the left, resistors along the top, the given kinds on the vertical sides after the
// first, wires along the bottom: sides.size() meshes in a row, numbered from the left.
LatticeCircuit meshesInARow(const std::vector<int>& sides)
{
    const int cols = static_cast<int>(sides.size());
    LatticeCircuit circuit{cols, 1, {{V, 0, 0, KIND_VOLTAGE_SOURCE, 12}}};
    for (int i = 0; i < cols; ++i) {
        circuit.edges.push_back({H, i, 0, KIND_RESISTOR, 10.0 * (i + 1)});
        circuit.edges.push_back({H, i, 1, KIND_WIRE});
    }
    for (int i = 0; i < cols; ++i) {
        const int kind = sides[static_cast<std::size_t>(i)];
        circuit.edges.push_back({V, i + 1, 0, kind, kind == KIND_CURRENT_SOURCE ? 0.5 : 40.0});
    }
    return circuit;
}

// One click: inside cell `cell` of the row (-1 for a point outside every mesh), taken as claim.
struct Click {
    int cell;
    MeshClaim claim;
    std::string reply;
    std::string marked;
    std::string progress;
};

struct QuizCase {
    std::string name;
    std::vector<int> sides;
    std::vector<Click> clicks;
};

const std::string TRY_AGAIN = "\n\nplease check your circuit carefully\n\nand try again.";
const std::string DONE = "\n\nYou have found what every current source does to the meshes.\n\nGo ahead with your analysis.";

std::string found(int known, int ofKnown, int pairs, int ofPairs)
{
    return "Found:  " + std::to_string(known) + " of " + std::to_string(ofKnown) + "  meshes whose current a source "
           "fixes,  " + std::to_string(pairs) + " of " + std::to_string(ofPairs) + "  pairs of meshes joined by a "
           "current source.";
}

std::vector<QuizCase> quizCases()
{
    const int R = KIND_RESISTOR;
    const int J = KIND_CURRENT_SOURCE;
    return {
        {"a source on the outside fixes mesh 2",
         {R, J},
         {{0, KNOWN,
           "Sorry,\n\nno current source lies on mesh 1, so its current is unknown and mesh 1 gets a KVL equation," +
               TRY_AGAIN,
           "E1 R1 R3 ", found(0, 1, 0, 0)},
          {0, PAIR, "Mesh 1 chosen.\n\nNow click the other mesh of the pair.", "E1 R1 R3 ", found(0, 1, 0, 0)},
          {1, PAIR,
           "Sorry,\n\nmeshes 1 and 2 share only R3, and no current source, so they are not joined into a supermesh," +
               TRY_AGAIN,
           "R3 ", found(0, 1, 0, 0)},
          {1, KNOWN,
           "Terrific! You got it.\n\nJ1 on the outside of the drawing gives mesh 2 its current.\n\n        I2 = J1\n\n"
           "The current of mesh 2 is known, so mesh 2 needs no KVL equation." + DONE,
           "J1 ", found(1, 1, 0, 0)}}},
        {"a source between the meshes joins them",
         {J, R},
         {{0, KNOWN,
           "Sorry,\n\nJ1 on mesh 1 fixes no mesh current on its own: it lies between meshes 1 and 2 and carries the "
           "difference of their currents.\n\nLook for a current source on the outside of the drawing, or click the "
           "two meshes it joins as a pair.",
           "J1 ", found(0, 0, 0, 1)},
          {1, PAIR, "Mesh 2 chosen.\n\nNow click the other mesh of the pair.", "R2 J1 R3 ", found(0, 0, 0, 1)},
          {1, PAIR, "Mesh 2 is chosen already.\n\nClick the mesh on the other side of the current source.",
           "R2 J1 R3 ", found(0, 0, 0, 1)},
          {0, PAIR,
           "Terrific! You got it.\n\nJ1 between meshes 1 and 2 carries the difference of their currents.\n\n"
           "        I1 − I2 = J1\n\nMeshes 1 and 2 form a supermesh: one KVL equation goes round the whole supermesh, "
           "leaving out J1 and any other current source inside it." + DONE,
           "J1 ", found(0, 0, 1, 1)}}},
        {"three meshes: a supermesh and a fixed mesh",
         {J, R, J},
         {{-1, KNOWN, "That point is inside no mesh.\n\nClick inside one of the meshes of your circuit.", "",
           found(0, 1, 0, 1)},
          {0, PAIR, "Mesh 1 chosen.\n\nNow click the other mesh of the pair.", "E1 R1 J1 ", found(0, 1, 0, 1)},
          {2, PAIR, "Sorry,\n\nmeshes 1 and 3 do not touch, so no current source joins them," + TRY_AGAIN, "",
           found(0, 1, 0, 1)},
          {2, KNOWN,
           "Terrific! You got it.\n\nJ2 on the outside of the drawing gives mesh 3 its current.\n\n        I3 = J2\n\n"
           "The current of mesh 3 is known, so mesh 3 needs no KVL equation.",
           "J2 ", found(1, 1, 0, 1)},
          {2, KNOWN, "You have found mesh 3 already.", "J2 ", found(1, 1, 0, 1)},
          {1, PAIR, "Mesh 2 chosen.\n\nNow click the other mesh of the pair.", "R2 J1 R4 ", found(1, 1, 0, 1)},
          {0, PAIR,
           "Terrific! You got it.\n\nJ1 between meshes 1 and 2 carries the difference of their currents.\n\n"
           "        I1 − I2 = J1\n\nMeshes 1 and 2 form a supermesh: one KVL equation goes round the whole supermesh, "
           "leaving out J1 and any other current source inside it." + DONE,
           "J1 ", found(1, 1, 1, 1)}}},
        {"a source beside a fixed mesh gives the other mesh its current",
         {J, J},
         {{1, KNOWN,
           "Terrific! You got it.\n\nJ2 on the outside of the drawing gives mesh 2 its current.\n\n        I2 = J2\n\n"
           "The current of mesh 2 is known, so mesh 2 needs no KVL equation.",
           "J2 ", found(1, 1, 0, 1)},
          {1, PAIR, "Mesh 2 chosen.\n\nNow click the other mesh of the pair.", "R2 J1 J2 ", found(1, 1, 0, 1)},
          {0, PAIR,
           "Terrific! You got it.\n\nJ1 between meshes 1 and 2 carries the difference of their currents.\n\n"
           "        I1 − I2 = J1\n\nAnother current source fixes the current of one of these meshes, so this "
           "equation gives the other its current and no KVL equation is needed." + DONE,
           "J1 ", found(1, 1, 1, 1)},
          {0, PAIR, "Mesh 1 chosen.\n\nNow click the other mesh of the pair.", "E1 R1 J1 ", found(1, 1, 1, 1)},
          {1, PAIR, "You have found meshes 1 and 2 already.", "J1 ", found(1, 1, 1, 1)}}},
    };
}

// Every reply of the current-source step, word for word, with what it marks, on textbook
// circuits: wrong meshes, a source that fixes no mesh, pairs a source does not join, repeats.
TEST(CurrentSourceQuiz, RepliesToEachClick)
{
    for (const QuizCase& c : quizCases()) {
        CKirvoltDoc doc;
        testing::ScriptedPort port;
        doc.setPort(&port);
        testing::drawLattice(meshesInARow(c.sides), doc);
        ASSERT_TRUE(runMeshAnalysis(doc)) << c.name;
        const auto built = buildMeshSystem(doc);
        const MeshSystem& system = std::get<MeshSystem>(built);
        const std::vector<MeshEquation> equations = meshEquations(doc, system);
        CurrentSourceQuiz quiz(doc, system, equations);
        EXPECT_FALSE(quiz.empty()) << c.name;
        for (std::size_t i = 0; i < c.clicks.size(); ++i) {
            const Click& click = c.clicks[i];
            const Point grid = click.cell < 0 ? Point{1, 1} : testing::latticePoint(click.cell, 0);
            const int inside = click.cell < 0 ? 0 : 5;
            const MeshClickReply reply =
                quiz.click({(grid.x + inside) * doc.gridSize, (grid.y + inside) * doc.gridSize}, click.claim);
            std::string marked;
            for (const auto& record : doc.components) {
                marked += reply.highlight.isRed(*record) ? record->label + " " : "";
            }
            EXPECT_EQ(reply.text, click.reply) << c.name << ", click " << i;
            EXPECT_EQ(reply.found, click.reply.starts_with("Terrific")) << c.name << ", click " << i;
            EXPECT_EQ(marked, click.marked) << c.name << ", click " << i;
            EXPECT_EQ(quiz.progress(), click.progress) << c.name << ", click " << i;
        }
        EXPECT_TRUE(quiz.done()) << c.name;
    }
}

// Without current sources there is nothing to find.
TEST(CurrentSourceQuiz, ACircuitWithoutCurrentSourcesIsEmpty)
{
    CKirvoltDoc doc;
    testing::ScriptedPort port;
    doc.setPort(&port);
    testing::drawLattice(meshesInARow({KIND_RESISTOR, KIND_RESISTOR}), doc);
    ASSERT_TRUE(runMeshAnalysis(doc));
    const auto built = buildMeshSystem(doc);
    const MeshSystem& system = std::get<MeshSystem>(built);
    const std::vector<MeshEquation> equations = meshEquations(doc, system);
    const CurrentSourceQuiz quiz(doc, system, equations);
    EXPECT_TRUE(quiz.empty());
    EXPECT_TRUE(quiz.done());
    EXPECT_EQ(quiz.progress(), found(0, 0, 0, 0));
}

}  // namespace
}  // namespace kirvolt
