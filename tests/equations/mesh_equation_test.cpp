#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "analysis/mesh_method.h"
#include "equations/mesh_equation.h"
#include "support/circuit_builder.h"
#include "support/example_circuits.h"
#include "support/lattice_circuits.h"

namespace kirvolt {
namespace {

using testing::LatticeCircuit;

constexpr bool H = true;
constexpr bool V = false;
constexpr int R = KIND_RESISTOR;
constexpr int E = KIND_VOLTAGE_SOURCE;
constexpr int J = KIND_CURRENT_SOURCE;
constexpr int W = KIND_WIRE;

std::function<void(CKirvoltDoc&)> lattice(LatticeCircuit circuit)
{
    return [circuit](CKirvoltDoc& doc) { testing::drawLattice(circuit, doc); };
}

std::function<void(CKirvoltDoc&)> example(const std::string& fileName)
{
    return [fileName](CKirvoltDoc& doc) {
        for (const testing::ExampleCircuit& e : testing::exampleCircuits()) {
            if (e.fileName == fileName) {
                testing::buildExample(e, doc);
            }
        }
    };
}

// Two cells side by side: E1 up the left, R1 and R2 along the top, R3 between the cells, R4 down
// the right, wires along the bottom.
LatticeCircuit twoMeshes(bool sourceTurned)
{
    return {2, 1, {{V, 0, 0, E, 12, !sourceTurned}, {H, 0, 0, R, 10}, {H, 1, 0, R, 20}, {V, 1, 0, R, 30},
                   {V, 2, 0, R, 40}, {H, 0, 1, W}, {H, 1, 1, W}}};
}

struct MeshCase {
    std::string name;
    std::function<void(CKirvoltDoc&)> draw;
    std::vector<std::string> lines;  // four a mesh
    std::string refusal;
};

std::vector<std::string> writtenLines(CKirvoltDoc& doc, std::string& refusal)
{
    const AnalysisOutcome outcome = runAnalysis(doc, meshMethod());
    if (!outcome) {
        refusal = outcome.refusal->message;
        return {};
    }
    std::vector<std::string> lines;
    const auto written = writeMeshEquations(doc);
    for (const MeshEquation& e : std::get<std::vector<MeshEquation>>(written)) {
        lines.insert(lines.end(), {e.words, e.names, e.values, e.numbers});
    }
    return lines;
}

const std::vector<MeshCase>& meshCases()
{
    static const std::vector<MeshCase> cases = {
        {"two meshes", lattice(twoMeshes(false)), {
          "The voltage drops clockwise round mesh 1 add up to the EMFs that drive its current.",
          "R1·I1 + R3·(I1 − I2) = E1",
          "10.0·I1 + 30.0·(I1 − I2) = 12.0",
          "40.00·I1 − 30.00·I2 = 12.00",
          "The voltage drops clockwise round mesh 2 add up to the EMFs that drive its current.",
          "R2·I2 + R4·I2 + R3·(I2 − I1) = 0",
          "20.0·I2 + 40.0·I2 + 30.0·(I2 − I1) = 0",
          "−30.00·I1 + 90.00·I2 = 0"},
         ""},
        {"source turned round", lattice(twoMeshes(true)), {
          "The voltage drops clockwise round mesh 1 add up to the EMFs that drive its current.",
          "R1·I1 + R3·(I1 − I2) = −E1",
          "10.0·I1 + 30.0·(I1 − I2) = −12.0",
          "40.00·I1 − 30.00·I2 = −12.00",
          "The voltage drops clockwise round mesh 2 add up to the EMFs that drive its current.",
          "R2·I2 + R4·I2 + R3·(I2 − I1) = 0",
          "20.0·I2 + 40.0·I2 + 30.0·(I2 − I1) = 0",
          "−30.00·I1 + 90.00·I2 = 0"},
         ""},
        {"three meshes in a row",
         lattice({3, 1, {{V, 0, 0, E, 10}, {H, 0, 0, R, 5}, {H, 1, 0, R, 10}, {H, 2, 0, R, 15}, {V, 1, 0, R, 20},
                         {V, 2, 0, R, 25}, {V, 3, 0, E, 6, false}, {H, 0, 1, W}, {H, 1, 1, W}, {H, 2, 1, W}}}),
         {
          "The voltage drops clockwise round mesh 1 add up to the EMFs that drive its current.",
          "R1·I1 + R4·(I1 − I2) = E1",
          "5.00·I1 + 20.0·(I1 − I2) = 10.0",
          "25.00·I1 − 20.00·I2 = 10.00",
          "The voltage drops clockwise round mesh 2 add up to the EMFs that drive its current.",
          "R2·I2 + R5·(I2 − I3) + R4·(I2 − I1) = 0",
          "10.0·I2 + 25.0·(I2 − I3) + 20.0·(I2 − I1) = 0",
          "−20.00·I1 + 55.00·I2 − 25.00·I3 = 0",
          "The voltage drops clockwise round mesh 3 add up to the EMFs that drive its current.",
          "R3·I3 + R5·(I3 − I2) = E2",
          "15.0·I3 + 25.0·(I3 − I2) = 6.00",
          "−25.00·I2 + 40.00·I3 = 6.00"},
         ""},
        {"bridge", example("wheatstone_unbalanced.kvt"), {
          "The voltage drops clockwise round mesh 1 add up to the EMFs that drive its current.",
          "R1·(I1 − I2) + R2·(I1 − I3) = E1",
          "10.0·(I1 − I2) + 20.0·(I1 − I3) = 10.0",
          "30.00·I1 − 10.00·I2 − 20.00·I3 = 10.00",
          "The voltage drops clockwise round mesh 2 add up to the EMFs that drive its current.",
          "R3·I2 + R5·(I2 − I3) + R1·(I2 − I1) = 0",
          "15.0·I2 + 5.00·(I2 − I3) + 10.0·(I2 − I1) = 0",
          "−10.00·I1 + 30.00·I2 − 5.00·I3 = 0",
          "The voltage drops clockwise round mesh 3 add up to the EMFs that drive its current.",
          "R5·(I3 − I2) + R4·I3 + R2·(I3 − I1) = 0",
          "5.00·(I3 − I2) + 20.0·I3 + 20.0·(I3 − I1) = 0",
          "−20.00·I1 − 5.00·I2 + 45.00·I3 = 0"},
         ""},
        {"current source on the outside",
         lattice({2, 1, {{V, 0, 0, J, 2}, {H, 0, 0, R, 10}, {H, 1, 0, R, 20}, {V, 1, 0, R, 30},
                         {V, 2, 0, E, 9}, {H, 0, 1, W}, {H, 1, 1, W}}}),
         {
          "J1 on the outside of the drawing gives mesh 1 its current.",
          "I1 = −J1",
          "I1 = −2.00",
          "I1 = −2.00",
          "The voltage drops clockwise round mesh 2 add up to the EMFs that drive its current.",
          "R2·I2 + R3·(I2 − I1) = −E1",
          "20.0·I2 + 30.0·(I2 − I1) = −9.00",
          "−30.00·I1 + 50.00·I2 = −9.00"},
         ""},
        {"current source between two meshes", example("mixed_sources.kvt"), {
          "The voltage drops clockwise round mesh 1 add up to the EMFs that drive its current.",
          "R1·I1 + R2·(I1 − I2) = E1",
          "30.0·I1 + 60.0·(I1 − I2) = 9.00",
          "90.00·I1 − 60.00·I2 = 9.00",
          "The voltage drops round the supermesh of meshes 2 and 3 add up to its EMFs, leaving out J1.",
          "R3·I2 + R2·(I2 − I1) + R4·I3 = 0",
          "20.0·I2 + 60.0·(I2 − I1) + 15.0·I3 = 0",
          "−60.00·I1 + 80.00·I2 + 15.00·I3 = 0",
          "J1 between meshes 3 and 2 carries the difference of their currents.",
          "I3 − I2 = J1",
          "I3 − I2 = 0.300",
          "I3 − I2 = 0.30"},
         ""},
        {"chain of two supermeshes",
         lattice({3, 1, {{V, 0, 0, E, 10}, {H, 0, 0, R, 5}, {H, 1, 0, R, 10}, {H, 2, 0, R, 15}, {V, 1, 0, J, 1},
                         {V, 2, 0, J, 2, false}, {V, 3, 0, R, 25}, {H, 0, 1, W}, {H, 1, 1, R, 4}, {H, 2, 1, W}}}),
         {
          "The voltage drops round the supermesh of meshes 1, 2 and 3 add up to its EMFs, leaving out J1, J2.",
          "R1·I1 + R2·I2 + R5·I2 + R3·I3 + R4·I3 = E1",
          "5.00·I1 + 10.0·I2 + 4.00·I2 + 15.0·I3 + 25.0·I3 = 10.0",
          "5.00·I1 + 14.00·I2 + 40.00·I3 = 10.00",
          "J1 between meshes 1 and 2 carries the difference of their currents.",
          "I1 − I2 = J1",
          "I1 − I2 = 1.00",
          "I1 − I2 = 1.00",
          "J2 between meshes 3 and 2 carries the difference of their currents.",
          "I3 − I2 = J2",
          "I3 − I2 = 2.00",
          "I3 − I2 = 2.00"},
         ""},
        {"crossing",
         [](CKirvoltDoc& doc) {
             testing::drawLattice(twoMeshes(false), doc);
             testing::CircuitBuilder(doc).wire({10, 20}, {30, 10});
         },
         {},
         "R3 and W13 cross at grid point (20, 15) without meeting at their ends, and the Mesh Current Method needs a drawing in which no two parts cross. If they should connect there, end them both at that point; if not, draw them apart; or analyse the circuit with the Node Voltage Method, which takes any drawing."},
        {"resistor shorted by wires",
         lattice({2, 1, {{V, 0, 0, E, 12}, {H, 0, 0, R, 10}, {H, 1, 0, W}, {V, 1, 0, R, 30}, {V, 2, 0, W},
                         {H, 0, 1, W}, {H, 1, 1, W}}}),
         {
          "The voltage drops clockwise round mesh 1 add up to the EMFs that drive its current.",
          "R1·I1 + R2·(I1 − I2) = E1",
          "10.0·I1 + 30.0·(I1 − I2) = 12.0",
          "40.00·I1 − 30.00·I2 = 12.00",
          "The voltage drops clockwise round mesh 2 add up to the EMFs that drive its current.",
          "R2·(I2 − I1) = 0",
          "30.0·(I2 − I1) = 0",
          "−30.00·I1 + 30.00·I2 = 0"},
         ""},
        {"loop of wires",
         lattice({2, 1, {{V, 0, 0, E, 12}, {H, 0, 0, R, 10}, {H, 1, 0, W}, {V, 1, 0, W}, {V, 2, 0, W},
                         {H, 0, 1, R, 5}, {H, 1, 1, W}}}),
         {},
         "W5, W6, W7 and W10 close a loop of wires, round which no element decides the current, so the Mesh Current Method cannot give that loop a mesh current. Take one of those wires away, or analyse the circuit with the Node Voltage Method, which takes any drawing."},
    };
    return cases;
}

// The equations of textbook circuits, every mesh's four lines, and the drawings the method
// refuses with what it says.
TEST(MeshEquations, TextbookCircuits)
{
    for (const MeshCase& c : meshCases()) {
        CKirvoltDoc doc;
        c.draw(doc);
        std::string refusal;
        const std::vector<std::string> lines = writtenLines(doc, refusal);
        EXPECT_EQ(lines, c.lines) << c.name;
        EXPECT_EQ(refusal, c.refusal) << c.name;
    }
}

}  // namespace
}  // namespace kirvolt
