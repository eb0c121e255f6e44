#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "analysis/known_methods.h"
#include "analysis/mesh_method.h"
#include "analysis/nodal_solver.h"
#include "support/circuit_builder.h"
#include "support/lattice_circuits.h"
#include "support/scripted_port.h"
#include "tutoring/mesh_tutor_run.h"

namespace kirvolt {
namespace {

using testing::LatticeCircuit;
using testing::ScriptedPort;

constexpr bool H = true;
constexpr bool V = false;

// E1 up the left, R1 and R2 along the top, the middle side between the two cells, the right
// side down the right, wires along the bottom.
LatticeCircuit twoMeshes(int middleKind, double middle, int rightKind, double right)
{
    return {2, 1, {{V, 0, 0, KIND_VOLTAGE_SOURCE, 12}, {H, 0, 0, KIND_RESISTOR, 10}, {H, 1, 0, KIND_RESISTOR, 20},
                   {V, 1, 0, middleKind, middle}, {V, 2, 0, rightKind, right}, {H, 0, 1, KIND_WIRE}, {H, 1, 1, KIND_WIRE}}};
}

// Answers the tutor's windows as told and notes what each saw.
class ScriptedMeshTutor final : public MeshTutorWindows {
public:
    bool introduce() override
    {
        seen.push_back("introduction");
        return true;
    }

    bool countMeshes(int branches, int nodes) override
    {
        seen.push_back("count");
        offered = std::to_string(branches) + " branches, " + std::to_string(nodes) + " nodes";
        return true;
    }

    bool labelMeshes(const std::function<void()>& showMeshCurrents) override
    {
        seen.push_back("label");
        showMeshCurrents();
        return true;
    }

    // Clicks the middle of each cell in the list, as the claim says, and notes each reply.
    bool dealWithSources(CurrentSourceQuiz& quiz) override
    {
        seen.push_back("sources");
        for (const auto& [cell, claim] : clicks) {
            const Point corner = testing::latticePoint(cell, 0);
            const MeshClickReply reply =
                quiz.click({(corner.x + 5) * doc->gridSize, (corner.y + 5) * doc->gridSize}, claim);
            pages.push_back("3 click [" + marked(reply.highlight) + "]\n" + reply.text);
        }
        return quiz.done();
    }

    bool showPage(const MeshTutorPage& page) override
    {
        seen.push_back("page");
        pages.push_back(std::to_string(page.step) + " [" + marked(page.highlight) + "]\n" + page.text);
        return static_cast<int>(pages.size()) != cancelAt;
    }

    std::string marked(const Highlight& highlight) const
    {
        std::string names;
        for (const auto& c : doc->components) {
            names += highlight.isRed(*c) ? c->label + " " : "";
        }
        return names;
    }

    const CKirvoltDoc* doc = nullptr;
    int cancelAt = 0;
    std::vector<std::pair<int, MeshClaim>> clicks;
    std::vector<std::string> seen;
    std::string offered;
    std::vector<std::string> pages;
};

struct TutorCase {
    std::string name;
    LatticeCircuit circuit;
    std::vector<std::pair<int, MeshClaim>> clicks;
    std::vector<std::string> pages;
    std::vector<std::string> seen;
};

const std::string FOUND_ALL = "\n\nYou have found what every current source does to the meshes.\n\nGo ahead with your analysis.";

const std::string YOUR_TURN =
    "\n\nNow write the equation of each mesh yourself: Check My Mesh Equation tells you whether it is right.";

const std::string MESH_ONE = "4 [E1 R1 R3 ]\nMesh 1 of 2:\n\n"
                             "The voltage drops clockwise round mesh 1 add up to the EMFs that drive its current.\n\n"
                             "        R1·I1 + R3·(I1 − I2) = E1\n"
                             "=>    10.0·I1 + 30.0·(I1 − I2) = 12.0\n"
                             "=>    40.00·I1 − 30.00·I2 = 12.00";

std::vector<TutorCase> tutorCases()
{
    return {
        {"two meshes",
         twoMeshes(KIND_RESISTOR, 30, KIND_RESISTOR, 40),
         {},
         {"3 []\nThere are no current sources in your circuit.\n\n"
          "Every mesh current is unknown, and every mesh gets its own KVL equation.",
          MESH_ONE,
          "4 [R2 R3 R4 ]\nMesh 2 of 2:\n\n"
          "The voltage drops clockwise round mesh 2 add up to the EMFs that drive its current.\n\n"
          "        R2·I2 + R4·I2 + R3·(I2 − I1) = 0\n"
          "=>    20.0·I2 + 40.0·I2 + 30.0·(I2 − I1) = 0\n"
          "=>    −30.00·I1 + 90.00·I2 = 0" + YOUR_TURN},
         {"introduction", "count", "label", "page", "page", "page"}},
        {"current source outside",
         twoMeshes(KIND_RESISTOR, 30, KIND_CURRENT_SOURCE, 0.5),
         {{1, MeshClaim::knownCurrent}},
         {"3 click [J1 ]\nTerrific! You got it.\n\nJ1 on the outside of the drawing gives mesh 2 its current.\n\n"
          "        I2 = J1\n\nThe current of mesh 2 is known, so mesh 2 needs no KVL equation." + FOUND_ALL,
          MESH_ONE,
          "4 [J1 ]\nMesh 2 of 2:\n\nJ1 on the outside of the drawing gives mesh 2 its current.\n\n"
          "        I2 = J1\n=>    I2 = 0.500\n=>    I2 = 0.50" + YOUR_TURN},
         {"introduction", "count", "label", "sources", "page", "page"}},
        {"current source between the meshes",
         twoMeshes(KIND_CURRENT_SOURCE, 0.3, KIND_RESISTOR, 40),
         {{0, MeshClaim::joinedPair}, {1, MeshClaim::joinedPair}},
         {"3 click [E1 R1 J1 ]\nMesh 1 chosen.\n\nNow click the other mesh of the pair.",
          "3 click [J1 ]\nTerrific! You got it.\n\nJ1 between meshes 1 and 2 carries the difference of their "
          "currents.\n\n        I1 − I2 = J1\n\nMeshes 1 and 2 form a supermesh: one KVL equation goes round the whole supermesh, leaving out J1 and any "
          "other current source inside it." + FOUND_ALL,
          "4 [E1 R1 R2 R3 ]\nMesh 1 of 2:\n\n"
          "The voltage drops round the supermesh of meshes 1 and 2 add up to its EMFs, leaving out J1.\n\n"
          "        R1·I1 + R2·I2 + R3·I2 = E1\n"
          "=>    10.0·I1 + 20.0·I2 + 40.0·I2 = 12.0\n"
          "=>    10.00·I1 + 60.00·I2 = 12.00",
          "4 [J1 ]\nMesh 2 of 2:\n\nJ1 between meshes 1 and 2 carries the difference of their currents.\n\n"
          "        I1 − I2 = J1\n=>    I1 − I2 = 0.300\n=>    I1 − I2 = 0.30" + YOUR_TURN},
         {"introduction", "count", "label", "sources", "page", "page"}},
    };
}

// Every window of the tutor on textbook circuits, exactly as the student reads it, with what
// each marks on the drawing.
TEST(MeshTutorRun, StepTextsOfTextbookCircuits)
{
    for (const TutorCase& c : tutorCases()) {
        CKirvoltDoc doc;
        ScriptedPort port;
        doc.setPort(&port);
        testing::drawLattice(c.circuit, doc);
        ScriptedMeshTutor windows;
        windows.doc = &doc;
        windows.clicks = c.clicks;
        std::vector<MeshCurrentsDrawn> shown;
        runMeshTutor(doc, windows, [&shown](MeshCurrentsDrawn s) { shown.push_back(s); });
        EXPECT_EQ(port.messages(), std::vector<std::string>{}) << c.name;
        EXPECT_EQ(shown, (std::vector{MeshCurrentsDrawn::hidden, MeshCurrentsDrawn::named, MeshCurrentsDrawn::valued}))
            << c.name;
        EXPECT_EQ(windows.offered, "5 branches, 4 nodes") << c.name;
        EXPECT_EQ(windows.pages, c.pages) << c.name;
        EXPECT_EQ(windows.seen, c.seen) << c.name;
        EXPECT_EQ(&methodOf(doc), &meshMethod()) << c.name << ": the tutor's method is the circuit's";
    }
}

// The mesh current method's own refusal stops the tutor before its first window, with the
// parts it marks.
TEST(MeshTutorRun, CrossingDrawingIsRefusedWithTheMethodsMessage)
{
    CKirvoltDoc doc;
    ScriptedPort port;
    doc.setPort(&port);
    testing::drawLattice(twoMeshes(KIND_RESISTOR, 30, KIND_RESISTOR, 40), doc);
    CComponent& crossing = testing::CircuitBuilder(doc).wire({10, 20}, {30, 10});
    ScriptedMeshTutor windows;
    windows.doc = &doc;
    bool drawn = false;
    runMeshTutor(doc, windows, [&drawn](MeshCurrentsDrawn) { drawn = true; });
    ASSERT_EQ(port.messages().size(), 1U);
    EXPECT_TRUE(port.messages()[0].starts_with("R3 and W13 cross at grid point (20, 15)")) << port.messages()[0];
    EXPECT_TRUE(port.events[0].highlight.isRed(crossing));
    EXPECT_TRUE(windows.seen.empty());
    EXPECT_FALSE(drawn);
    EXPECT_EQ(&methodOf(doc), &nodalMethod()) << "a refused circuit keeps its method";
}

// Cancel in a page leaves the drawing without the mesh currents the tutor drew; their values
// never show.
TEST(MeshTutorRun, CancelInTheLastStepsTakesTheMeshCurrentsAway)
{
    for (const int cancelAt : {1, 3}) {
        CKirvoltDoc doc;
        ScriptedPort port;
        doc.setPort(&port);
        testing::drawLattice(twoMeshes(KIND_RESISTOR, 30, KIND_RESISTOR, 40), doc);
        ScriptedMeshTutor windows;
        windows.doc = &doc;
        windows.cancelAt = cancelAt;
        std::vector<MeshCurrentsDrawn> shown;
        runMeshTutor(doc, windows, [&shown](MeshCurrentsDrawn s) { shown.push_back(s); });
        EXPECT_EQ(shown, (std::vector{MeshCurrentsDrawn::hidden, MeshCurrentsDrawn::named, MeshCurrentsDrawn::hidden}))
            << cancelAt;
        EXPECT_EQ(windows.pages.size(), static_cast<std::size_t>(cancelAt));
    }
}

// The last step ends in Check My Mesh Equation's own window for each mesh in turn, its
// elements marked: what the student types is judged as that command judges it.
TEST(MeshTutorRun, TheLastStepChecksTheStudentsOwnEquationOfEachMesh)
{
    CKirvoltDoc doc;
    ScriptedPort port;
    doc.setPort(&port);
    testing::drawLattice(twoMeshes(KIND_RESISTOR, 30, KIND_RESISTOR, 40), doc);
    std::vector<std::string> checks;
    port.onCheck = [&checks](const EquationCheckDialog& dialog) {
        checks.push_back(dialog.title);
        const bool first = dialog.title.ends_with(" 1");
        const std::string wrong = first ? "40*I1 - 30*I2 = 0" : "-30*I1 + 90*I2 = 12";
        const std::string right = first ? "R1*I1 + R3*(I1 - I2) = E1" : "R2*I2 + R4*I2 + R3*(I2 - I1) = 0";
        for (const std::string& typed : {wrong, right}) {
            const EquationVerdict verdict = dialog.check(typed);
            const std::string firstLine = verdict.message.substr(0, verdict.message.find('\n'));
            checks.push_back(std::to_string(static_cast<int>(verdict.kind)) + " " + firstLine);
        }
    };
    ScriptedMeshTutor windows;
    windows.doc = &doc;
    std::vector<MeshCurrentsDrawn> shown;
    runMeshTutor(doc, windows, [&shown](MeshCurrentsDrawn s) { shown.push_back(s); });
    // Verdicts by kind: 0 right, 1 wrong.
    EXPECT_EQ(checks, (std::vector<std::string>{"Check My Mesh Equation : Mesh 1",
                                                "1 Not yet: this is not the KVL equation of mesh 1.",
                                                "0 Right: this is the KVL equation of mesh 1.",
                                                "Check My Mesh Equation : Mesh 2",
                                                "1 Not yet: this is not the KVL equation of mesh 2.",
                                                "0 Right: this is the KVL equation of mesh 2."}));
    EXPECT_EQ(shown.back(), MeshCurrentsDrawn::valued);
}

}  // namespace
}  // namespace kirvolt
