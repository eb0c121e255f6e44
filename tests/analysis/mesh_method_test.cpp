#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "analysis/disjoint_sets.h"
#include "analysis/mesh_method.h"
#include "analysis/nodal_solver.h"
#include "document/circuit_file.h"
#include "support/example_circuits.h"
#include "support/lattice_circuits.h"
#include "support/same_results.h"

namespace kirvolt {
namespace {

using testing::LatticeCircuit;
using testing::LatticeEdge;

// Every example the node voltage method solves, the mesh method solves with the same results
// pane, and every one it refuses the mesh method refuses in the same words. In the balanced
// bridge R5 carries no current, and which way round the rounding of its zero p.d. reads it is
// all that differs.
TEST(MeshMethodExamples, AgreeWithTheNodeVoltageMethod)
{
    for (const testing::ExampleCircuit& example : testing::exampleCircuits()) {
        CKirvoltDoc nodal;
        CKirvoltDoc mesh;
        testing::buildExample(example, nodal);
        testing::buildExample(example, mesh);
        const AnalysisOutcome byNodes = runAnalysis(nodal, nodalMethod());
        const AnalysisOutcome byMeshes = runAnalysis(mesh, meshMethod());
        ASSERT_EQ(bool(byNodes), bool(byMeshes)) << example.fileName;
        if (!byNodes) {
            EXPECT_EQ(byNodes.refusal->message, byMeshes.refusal->message) << example.fileName;
            continue;
        }
        EXPECT_EQ(testing::recordDifferences(nodal, mesh), "") << example.fileName;
        if (example.fileName == "wheatstone_balanced.kvt") {
            EXPECT_EQ(testing::paneTextsBeyondRounding(nodal), testing::paneTextsBeyondRounding(mesh)) << example.fileName;
        } else {
            EXPECT_EQ(testing::paneTexts(nodal), testing::paneTexts(mesh)) << example.fileName;
        }
    }
}

// The faces of a lattice drawing worked out from its cells: cells side by side without a part
// between them are one face, and a face that reaches the edge of the lattice through a missing
// side is the outside. Bounded faces are numbered by their top row, then their leftmost cell.
class LatticeFaces {
public:
    explicit LatticeFaces(const LatticeCircuit& c) : c(c), cells(c.cols * c.rows)
    {
        std::map<std::tuple<bool, int, int>, bool> present;
        for (const LatticeEdge& e : c.edges) {
            present[{e.horizontal, e.i, e.j}] = true;
        }
        const int outside = cells;
        DisjointSets joined(cells);
        for (int j = 0; j <= c.rows; ++j) {
            for (int i = 0; i <= c.cols; ++i) {
                if (i < c.cols && !present[{true, i, j}]) {
                    joined.join(cell(i, j - 1), cell(i, j));
                }
                if (j < c.rows && !present[{false, i, j}]) {
                    joined.join(cell(i - 1, j), cell(i, j));
                }
            }
        }
        std::map<int, std::pair<int, int>> topLeft;  // root: (row, column) of its first cell
        for (int j = c.rows - 1; j >= 0; --j) {
            for (int i = c.cols - 1; i >= 0; --i) {
                const int root = joined.root(cell(i, j));
                if (root != joined.root(outside)) {
                    topLeft[root] = {j, i};
                }
            }
        }
        std::vector<std::pair<std::pair<int, int>, int>> order;
        for (const auto& [root, corner] : topLeft) {
            order.push_back({corner, root});
        }
        std::sort(order.begin(), order.end());
        for (std::size_t k = 0; k < order.size(); ++k) {
            meshOfRoot[order[k].second] = static_cast<int>(k) + 1;
        }
        meshOfCell.resize(static_cast<std::size_t>(cells) + 1);
        for (int k = 0; k <= cells; ++k) {
            const auto found = meshOfRoot.find(joined.root(k));
            meshOfCell[static_cast<std::size_t>(k)] = found == meshOfRoot.end() ? 0 : found->second;
        }
    }

    int count() const { return static_cast<int>(meshOfRoot.size()); }

    // The meshes whose clockwise currents run along the side towards east or south, and back.
    std::pair<int, int> sides(const LatticeEdge& e) const
    {
        return e.horizontal ? std::pair{mesh(e.i, e.j), mesh(e.i, e.j - 1)} : std::pair{mesh(e.i - 1, e.j), mesh(e.i, e.j)};
    }

private:
    int cell(int i, int j) const { return i < 0 || j < 0 || i >= c.cols || j >= c.rows ? cells : i + c.cols * j; }
    int mesh(int i, int j) const { return meshOfCell[static_cast<std::size_t>(cell(i, j))]; }

    const LatticeCircuit& c;
    int cells;
    std::map<int, int> meshOfRoot;
    std::vector<int> meshOfCell;
};

// The element's current along its side towards east or south, from its record.
double currentAlong(const LatticeEdge& e, const CComponent& record)
{
    const Point near = testing::latticePoint(e.i, e.j);
    const auto distance = [near](Point p) { return std::abs(p.x - near.x) + std::abs(p.y - near.y); };
    return distance(record.gridStart) < distance(record.gridFinish) ? record.current : -record.current;
}

// What the mesh currents say of the lattice, worked out from the cells alone: every element
// carries the difference of the currents of the meshes either side of it, and round every mesh
// without a current source the drops R·(I - I beyond) add up to the EMFs met from - to +.
void expectMeshCurrentsFitTheCells(const LatticeCircuit& circuit, const std::vector<CComponent*>& records,
                                   const std::vector<double>& currents, const std::string& what)
{
    const LatticeFaces faces(circuit);
    ASSERT_EQ(faces.count(), static_cast<int>(currents.size())) << what;
    const auto I = [&currents](int k) { return k == 0 ? 0.0 : currents[static_cast<std::size_t>(k - 1)]; };
    double scale = 1e-300;
    for (double i : currents) {
        scale = std::max(scale, std::abs(i));
    }
    std::vector<double> sum(currents.size() + 1, 0.0);
    std::vector<double> size(currents.size() + 1, 0.0);
    std::vector<bool> hasCurrentSource(currents.size() + 1, false);
    for (std::size_t k = 0; k < circuit.edges.size(); ++k) {
        const LatticeEdge& e = circuit.edges[k];
        if (e.kind == KIND_WIRE || e.kind == KIND_AMMETER) {
            continue;
        }
        const auto [forward, backward] = faces.sides(e);
        EXPECT_NEAR(currentAlong(e, *records[k]), I(forward) - I(backward), 1e-9 * scale) << what << ": " << records[k]->label;
        // The drop along the side towards east or south.
        const bool startsWest = e.startsNear;
        const double drop = e.kind == KIND_RESISTOR ? e.value * (I(forward) - I(backward)) : (startsWest ? e.value : -e.value);
        for (const auto& [mesh, direction] : {std::pair{forward, 1.0}, std::pair{backward, -1.0}}) {
            if (mesh != 0 && forward != backward) {
                sum[static_cast<std::size_t>(mesh)] += direction * drop;
                size[static_cast<std::size_t>(mesh)] += std::abs(drop);
                hasCurrentSource[static_cast<std::size_t>(mesh)] = hasCurrentSource[static_cast<std::size_t>(mesh)] ||
                                                                    e.kind == KIND_CURRENT_SOURCE;
            }
        }
    }
    for (std::size_t m = 1; m < sum.size(); ++m) {
        if (!hasCurrentSource[m]) {
            EXPECT_NEAR(sum[m], 0.0, 1e-9 * size[m]) << what << ": mesh " << m;
        }
    }
}

// Random plane drawings that the node voltage method solves: the mesh method gives the same
// records and the same results pane beyond rounding; on the first hundred its mesh currents are checked
// against the drawing's cells. Supermeshes and meshes fixed from outside must both occur.
TEST(MeshMethodProperty, RandomPlaneCircuitsAgreeWithTheNodeVoltageMethod)
{
    std::mt19937 random(20261209);
    int solved = 0;
    int supermeshes = 0;
    int fixedMeshes = 0;
    for (int tries = 0; solved < 300 && tries < 20000; ++tries) {
        const LatticeCircuit circuit = testing::randomLatticeCircuit(random);
        CKirvoltDoc nodal;
        testing::drawLattice(circuit, nodal);
        if (!runAnalysis(nodal, nodalMethod())) {
            continue;
        }
        const std::string what = "circuit " + std::to_string(solved);
        CKirvoltDoc mesh;
        const std::vector<CComponent*> records = testing::drawLattice(circuit, mesh);
        const AnalysisOutcome outcome = runAnalysis(mesh, meshMethod());
        ASSERT_TRUE(outcome) << what << ": " << outcome.refusal->message;
        EXPECT_EQ(testing::recordDifferences(nodal, mesh), "") << what;
        EXPECT_EQ(testing::paneTextsBeyondRounding(nodal), testing::paneTextsBeyondRounding(mesh)) << what;
        const NamedSystem system = meshMethod().namedSystem(mesh);
        const auto built = buildMeshSystem(mesh);
        for (const MeshRow& row : std::get<MeshSystem>(built).rows) {
            supermeshes += row.kind == MeshRowKind::aroundSupermesh ? 1 : 0;
            fixedMeshes += row.kind == MeshRowKind::fixedBySource ? 1 : 0;
        }
        if (solved < 100) {
            expectMeshCurrentsFitTheCells(circuit, records, system.x, what);
        }
        ++solved;
    }
    EXPECT_EQ(solved, 300);
    EXPECT_GE(supermeshes, 30);
    EXPECT_GE(fixedMeshes, 30);
}

// The rule checks refuse for both methods alike, the note on the ammeters included.
TEST(MeshMethodRefusals, AreTheNodeVoltageMethodsForTheRuleChecks)
{
    // An ammeter in the bottom rail, and R2 hanging from the top with its far end on nothing.
    const LatticeCircuit dangling{1, 1, {{false, 0, 0, KIND_VOLTAGE_SOURCE, 5}, {true, 0, 0, KIND_RESISTOR, 10},
                                         {false, 1, 0, KIND_RESISTOR, 20}, {true, 0, 1, KIND_AMMETER},
                                         {false, 1, -1, KIND_RESISTOR, 30}}};
    CKirvoltDoc nodal;
    CKirvoltDoc mesh;
    testing::drawLattice(dangling, nodal);
    testing::drawLattice(dangling, mesh);
    const AnalysisOutcome byNodes = runNodalAnalysis(nodal);
    const AnalysisOutcome byMeshes = runMeshAnalysis(mesh);
    ASSERT_FALSE(byNodes);
    ASSERT_FALSE(byMeshes);
    EXPECT_EQ(byMeshes.refusal->message, byNodes.refusal->message);
    EXPECT_NE(byMeshes.refusal->message.find("Am1 as a wire."), std::string::npos) << byMeshes.refusal->message;
}

std::vector<std::pair<int, int>> meshCorners(const CKirvoltDoc& doc)
{
    std::vector<std::pair<int, int>> corners;
    const auto found = findMeshes(doc);
    for (const Mesh& m : std::get<PlaneMeshes>(found).meshes) {
        corners.emplace_back(m.corner.x, m.corner.y);
    }
    return corners;
}

// The meshes are numbered from the drawing alone: a circuit saved and read back, its records in
// the same order, keeps every mesh's number and so its current's name and value.
TEST(MeshMethodNumbering, SurvivesSavingAndReading)
{
    std::mt19937 random(7);
    const std::string file = (std::filesystem::temp_directory_path() / ("kirvolt_meshes_" + std::to_string(::getpid()) + ".kvt")).string();
    for (int saved = 0; saved < 5;) {
        CKirvoltDoc doc;
        testing::drawLattice(testing::randomLatticeCircuit(random), doc);
        if (!runAnalysis(doc, meshMethod())) {
            continue;
        }
        ASSERT_TRUE(saveCircuit(doc, file).ok);
        CKirvoltDoc read;
        ASSERT_TRUE(loadCircuit(file, read).ok);
        ASSERT_TRUE(runAnalysis(read, meshMethod()));
        EXPECT_EQ(meshCorners(read), meshCorners(doc));
        EXPECT_EQ(meshMethod().namedSystem(read).x, meshMethod().namedSystem(doc).x);
        ++saved;
    }
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace kirvolt
