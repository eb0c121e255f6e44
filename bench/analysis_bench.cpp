#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "analysis/nodal_solver.h"
#include "support/generated_circuits.h"

namespace kirvolt {
namespace {

using testing::drawLadder;
using testing::drawMesh;

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
    state.counters["unknowns"] = doc.unknownCount;
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
    state.counters["unknowns"] = doc.unknownCount;
    state.SetComplexityN(doc.unknownCount);
}

void BM_LadderAnalysis(benchmark::State& state) { analyse(state, drawLadder); }
void BM_GridAnalysis(benchmark::State& state) { analyse(state, drawMesh); }
void BM_LadderElimination(benchmark::State& state) { eliminate(state, drawLadder); }
void BM_GridElimination(benchmark::State& state) { eliminate(state, drawMesh); }

BENCHMARK(BM_LadderAnalysis)->Arg(10)->Arg(99)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_GridAnalysis)->Arg(10)->Arg(99)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_LadderElimination)->Arg(99)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_GridElimination)->Arg(99)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
}  // namespace kirvolt
