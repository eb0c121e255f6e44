#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analysis/mesh_method.h"
#include "analysis/nodal_solver.h"
#include "analysis/plane_meshes.h"
#include "document/circuit_file.h"
#include "exercises/exercise_generator.h"
#include "spice/layout_plan.h"
#include "support/layout_check.h"

namespace kirvolt {
namespace {

constexpr int SEEDS = 300;

const ExerciseCounts SIZES[] = {{}, {2, 1, 1}, {4, 1, 2}, {5, 2, 2}, {6, 1, 1}, {8, 0, 3}};

double largest(const CKirvoltDoc& doc, double CComponent::*field)
{
    double most = 1e-300;
    for (const auto& c : doc.components) {
        most = std::max(most, std::abs((*c).*field));
    }
    return most;
}

bool drawnWithoutCrossing(CKirvoltDoc& doc)
{
    prepareNumbering(doc);
    return std::holds_alternative<PlaneMeshes>(findMeshes(doc));
}

// An exercise for meshes, of every seed: drawn as the automatic drawing must be, without a
// crossing, with two meshes or more, and solved by the mesh current method to the node voltage
// method's p.d.s and currents.
TEST(PlaneExercise, EverySeedForMeshesIsPlaneAndBothMethodsAgree)
{
    int supermeshes = 0;
    for (int seed = 0; seed < SEEDS; ++seed) {
        const ExerciseCounts& counts = SIZES[static_cast<std::size_t>(seed) % std::size(SIZES)];
        const std::string what = "seed " + std::to_string(seed);
        const std::optional<Netlist> netlist = exerciseNetlist(static_cast<std::uint64_t>(seed), counts, ExerciseMethod::meshes);
        ASSERT_TRUE(netlist) << what;
        // As drawExercise draws it.
        CKirvoltDoc mesh;
        const CircuitLayout layout = layoutCircuitWithoutCrossings(*netlist, mesh);
        ASSERT_FALSE(layout.refusal) << what;
        EXPECT_TRUE(testing::drawingFaults(mesh, *netlist, layout).empty()) << what;
        CKirvoltDoc nodal;
        ASSERT_TRUE(readCircuitBytes(circuitBytes(mesh), nodal).ok) << what;
        const AnalysisOutcome byMeshes = runAnalysis(mesh, meshMethod());
        ASSERT_TRUE(byMeshes) << what << ": " << byMeshes.refusal->message;
        EXPECT_GE(byMeshes.unknownCount.value_or(0), 2) << what;
        ASSERT_TRUE(runAnalysis(nodal, nodalMethod())) << what;
        const double pdScale = largest(nodal, &CComponent::pd);
        const double currentScale = largest(nodal, &CComponent::current);
        ASSERT_EQ(nodal.components.size(), mesh.components.size());
        for (std::size_t k = 0; k < nodal.components.size(); ++k) {
            EXPECT_NEAR(nodal.components[k]->pd, mesh.components[k]->pd, 1e-9 * pdScale) << what;
            EXPECT_NEAR(nodal.components[k]->current, mesh.components[k]->current, 1e-9 * currentScale) << what;
        }
        const auto built = buildMeshSystem(mesh);
        ASSERT_TRUE(std::holds_alternative<MeshSystem>(built)) << what;
        for (const MeshRow& row : std::get<MeshSystem>(built).rows) {
            supermeshes += row.kind == MeshRowKind::aroundSupermesh ? 1 : 0;
        }
    }
    EXPECT_GT(supermeshes, 0) << "some exercises join meshes by a current source";
}

// Every exercise, for any method, keeps the circuit its seed always gave, and is drawn without a
// fault in its drawing and without a crossing wherever its circuit allows one: by the textbook
// drawing where its nodes can be set out in an order in which no two elements between them
// interleave, else on rails. Of these seeds' circuits 70 hold a K5 or a K3,3 (a planarity test
// of another program over their element lists says so), so they cannot be drawn without one.
TEST(PlaneExercise, EveryExerciseThatCanBeIsDrawnWithoutACrossing)
{
    int textbook = 0;
    int plane = 0;
    for (int seed = 0; seed < SEEDS; ++seed) {
        const ExerciseCounts& counts = SIZES[static_cast<std::size_t>(seed) % std::size(SIZES)];
        const std::string what = "seed " + std::to_string(seed);
        const std::optional<Netlist> netlist = exerciseNetlist(static_cast<std::uint64_t>(seed), counts);
        ASSERT_TRUE(netlist) << what;
        CKirvoltDoc doc;
        ASSERT_FALSE(drawExercise(static_cast<std::uint64_t>(seed), counts, doc)) << what;
        textbook += planSpineLayout(*netlist, 0, DRAWING_AREA / doc.gridSize, SpineOrder::withoutCrossings) ? 1 : 0;
        CKirvoltDoc redrawn;
        EXPECT_TRUE(testing::drawingFaults(redrawn, *netlist, layoutCircuitWithoutCrossings(*netlist, redrawn)).empty()) << what;
        plane += drawnWithoutCrossing(doc) ? 1 : 0;
        ASSERT_TRUE(runNodalAnalysis(doc)) << what;
    }
    EXPECT_GT(textbook, SEEDS / 2);
    EXPECT_EQ(plane, SEEDS - 70);
}

}  // namespace
}  // namespace kirvolt
