#include <benchmark/benchmark.h>

#include <variant>

#include "analysis/mesh_method.h"
#include "equations/mesh_equation.h"
#include "support/generated_circuits.h"

namespace kirvolt {
namespace {

// The drawn n x n grid of resistors fed by one source: (n - 1)^2 + 1 meshes.
void drawnGrid(CKirvoltDoc& doc, benchmark::State& state) { testing::drawGrid(doc, static_cast<int>(state.range(0))); }

int meshCount(const CKirvoltDoc& doc)
{
    const auto found = findMeshes(doc);
    return std::holds_alternative<PlaneMeshes>(found) ? std::get<PlaneMeshes>(found).count() : 0;
}

// Node building, numbering, the rule checks, the meshes, the solve and the results in the records.
void BM_MeshGridAnalysis(benchmark::State& state)
{
    CKirvoltDoc doc;
    drawnGrid(doc, state);
    for (auto _ : state) {
        doc.nodesValid = 0;
        if (!runAnalysis(doc, meshMethod())) {
            state.SkipWithError("the circuit was refused");
            break;
        }
    }
    state.counters["meshes"] = meshCount(doc);
    state.SetComplexityN(meshCount(doc));
}

// One step of the mesh method, timed on the grid once it has been analysed.
template <typename Step>
void timeOnAnalysedGrid(benchmark::State& state, Step step)
{
    CKirvoltDoc doc;
    drawnGrid(doc, state);
    if (!runAnalysis(doc, meshMethod())) {
        state.SkipWithError("the circuit was refused");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(step(doc));
    }
    state.counters["meshes"] = meshCount(doc);
    state.SetComplexityN(meshCount(doc));
}

// Every mesh's equation text after an analysis.
void BM_MeshGridEquations(benchmark::State& state)
{
    timeOnAnalysedGrid(state, [](CKirvoltDoc& doc) { return writeMeshEquations(doc); });
}

// The crossing check and the face walk alone, which should grow in proportion to the drawing.
void BM_MeshFinding(benchmark::State& state)
{
    timeOnAnalysedGrid(state, [](CKirvoltDoc& doc) { return findMeshes(doc); });
}

BENCHMARK(BM_MeshGridAnalysis)->Arg(20)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_MeshGridEquations)->Arg(20)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_MeshFinding)->Arg(20)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
}  // namespace kirvolt
