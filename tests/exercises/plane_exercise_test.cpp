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
// crossing whenever its nodes can be set out in an order in which no two elements between
// them interleave.
TEST(PlaneExercise, EveryExerciseWhoseNodesAllowItIsDrawnWithoutACrossing)
{
    int plane = 0;
    int allowed = 0;
    for (int seed = 0; seed < SEEDS; ++seed) {
        const ExerciseCounts& counts = SIZES[static_cast<std::size_t>(seed) % std::size(SIZES)];
        const std::string what = "seed " + std::to_string(seed);
        const std::optional<Netlist> netlist = exerciseNetlist(static_cast<std::uint64_t>(seed), counts);
        ASSERT_TRUE(netlist) << what;
        CKirvoltDoc doc;
        ASSERT_FALSE(drawExercise(static_cast<std::uint64_t>(seed), counts, doc)) << what;
        const bool allows = planSpineLayout(*netlist, 0, DRAWING_AREA / doc.gridSize, SpineOrder::withoutCrossings).has_value();
        const bool drawnPlane = drawnWithoutCrossing(doc);
        allowed += allows ? 1 : 0;
        plane += drawnPlane ? 1 : 0;
        EXPECT_TRUE(!allows || drawnPlane) << what;
        ASSERT_TRUE(runNodalAnalysis(doc)) << what;
    }
    EXPECT_GT(allowed, SEEDS / 2);
    RecordProperty("drawnWithoutCrossing", plane);
}

}  // namespace
}  // namespace kirvolt
