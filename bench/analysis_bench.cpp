#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "analysis/nodal_solver.h"
#include "equations/all_equations.h"
#include "support/generated_circuits.h"

namespace kirvolt {
namespace {

using testing::drawGrid;
using testing::drawLadder;
using testing::drawMesh;
using testing::drawSourceChain;

void drawGridOfNodes(CKirvoltDoc& doc, int side) { drawGrid(doc, side); }
void drawChainOfSources(CKirvoltDoc& doc, int sources) { drawSourceChain(doc, sources); }

// Node building, numbering, the rule checks, the solve and the results in the records.
void analyse(benchmark::State& state, void (*draw)(CKirvoltDoc&, int))
{
    CKirvoltDoc doc;
    draw(doc, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        doc.nodesValid = 0;
        if (!runNodalAnalysis(doc)) {
            state.SkipWithError("the circuit was refused");
            break;
        }
    }
    state.counters["nodes"] = doc.nodeCount;
    state.counters["unknowns"] = nodalUnknownCount(doc);
    state.SetComplexityN(doc.nodeCount);
}

// The elimination alone, to show its share of the whole analysis.
void eliminate(benchmark::State& state, void (*draw)(CKirvoltDoc&, int))
{
    CKirvoltDoc doc;
    draw(doc, static_cast<int>(state.range(0)));
    if (!runNodalAnalysis(doc)) {
        state.SkipWithError("the circuit was refused");
        return;
    }
    const NodalSystem system = buildNodalSystem(doc);
    std::vector<double> x;
    for (auto _ : state) {
        AugmentedMatrix matrix = system.matrix;
        benchmark::DoNotOptimize(gaussJordanSolve(matrix, x));
    }
    state.counters["unknowns"] = nodalUnknownCount(doc);
    state.SetComplexityN(nodalUnknownCount(doc));
}

// The sparse factorization and solve alone.
void factorize(benchmark::State& state, void (*draw)(CKirvoltDoc&, int))
{
    CKirvoltDoc doc;
    draw(doc, static_cast<int>(state.range(0)));
    if (!runNodalAnalysis(doc)) {
        state.SkipWithError("the circuit was refused");
        return;
    }
    const SparseNodalSystem system = buildSparseNodalSystem(doc);
    std::vector<double> x;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sparseSolve(system.matrix, x));
    }
    state.counters["unknowns"] = nodalUnknownCount(doc);
    state.SetComplexityN(nodalUnknownCount(doc));
}

// Every node's equation text after an analysis, as the equations panel and the command-line
// tool write it.
void writeEquations(benchmark::State& state, void (*draw)(CKirvoltDoc&, int))
{
    CKirvoltDoc doc;
    draw(doc, static_cast<int>(state.range(0)));
    if (!runNodalAnalysis(doc)) {
        state.SkipWithError("the circuit was refused");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeAllEquations(doc));
    }
    state.counters["nodes"] = doc.nodeCount;
    state.SetComplexityN(doc.nodeCount);
}

void BM_LadderAnalysis(benchmark::State& state) { analyse(state, drawLadder); }
void BM_GridAnalysis(benchmark::State& state) { analyse(state, drawMesh); }
void BM_LadderElimination(benchmark::State& state) { eliminate(state, drawLadder); }
void BM_GridElimination(benchmark::State& state) { eliminate(state, drawMesh); }

BENCHMARK(BM_LadderAnalysis)->Arg(10)->Arg(99)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_GridAnalysis)->Arg(10)->Arg(99)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_LadderElimination)->Arg(99)->Arg(200)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_GridElimination)->Arg(99)->Arg(200)->Unit(benchmark::kMillisecond)->Complexity();

// The drawn n x n grids of the side-by-side comparison and the chains of voltage sources.
void BM_DrawnGridAnalysis(benchmark::State& state) { analyse(state, drawGridOfNodes); }
void BM_DrawnGridFactorization(benchmark::State& state) { factorize(state, drawGridOfNodes); }
void BM_DrawnGridEquations(benchmark::State& state) { writeEquations(state, drawGridOfNodes); }
void BM_SourceChainEquations(benchmark::State& state) { writeEquations(state, drawChainOfSources); }

BENCHMARK(BM_DrawnGridAnalysis)->Arg(23)->Arg(45)->Arg(80)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_DrawnGridFactorization)->Arg(23)->Arg(45)->Arg(80)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_DrawnGridEquations)->Arg(23)->Arg(45)->Arg(80)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_SourceChainEquations)->Arg(200)->Arg(400)->Arg(4000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
}  // namespace kirvolt
