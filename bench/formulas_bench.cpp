#include <benchmark/benchmark.h>

#include <string>
#include <variant>

#include "analysis/nodal_solver.h"
#include "formulas/node_formulas.h"
#include "support/generated_circuits.h"

namespace kirvolt {
namespace {

// Every node voltage in letters for a circuit of as many unknowns as formulas are worked out
// for; the target is within a second, the time a student waits for a window to open.
void formulas(benchmark::State& state, void (*draw)(CKirvoltDoc&, int))
{
    CKirvoltDoc doc;
    draw(doc, static_cast<int>(state.range(0)));
    if (!runNodalAnalysis(doc)) {
        state.SkipWithError("the circuit was refused");
        return;
    }
    for (auto _ : state) {
        const auto worked = nodeFormulas(doc);
        if (const auto* refusal = std::get_if<std::string>(&worked)) {
            state.SkipWithError(refusal->c_str());
            break;
        }
        benchmark::DoNotOptimize(worked);
    }
    state.counters["unknowns"] = nodalUnknownCount(doc);
}

BENCHMARK_CAPTURE(formulas, ladder, testing::drawLadder)->DenseRange(4, MOST_FORMULA_UNKNOWNS, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(formulas, mesh, testing::drawMesh)->DenseRange(4, MOST_FORMULA_UNKNOWNS, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kirvolt
