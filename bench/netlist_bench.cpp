#include <benchmark/benchmark.h>

#include <string>

#include "spice/netlist_files.h"

namespace kirvolt {
namespace {

// A chain of resistors from a source, one element card a line.
std::string chainNetlist(int elements)
{
    std::string text = "chain\nV1 1 0 10\n";
    for (int k = 1; k < elements; ++k) {
        text += "R" + std::to_string(k) + " " + std::to_string(k) + " " + std::to_string(k + 1) + " 1k\n";
    }
    return text;
}

// Resistors each between two nodes of their own: as many spines as nodes, none joined.
std::string pairsNetlist(int elements)
{
    std::string text = "pairs\n";
    for (int k = 0; k < elements; ++k) {
        text += "R" + std::to_string(k) + " a" + std::to_string(k) + " b" + std::to_string(k) + " 1\n";
    }
    return text;
}

// Reading and drawing a netlist grows with its size, and one too large for the drawing area
// is refused within a second however large it is.
void importNetlist(benchmark::State& state, std::string (*netlist)(int elements))
{
    const std::string text = netlist(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CKirvoltDoc doc;
        benchmark::DoNotOptimize(importNetlistText(text, doc));
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_ImportChain(benchmark::State& state) { importNetlist(state, chainNetlist); }
void BM_ImportSeparatePairs(benchmark::State& state) { importNetlist(state, pairsNetlist); }

BENCHMARK(BM_ImportChain)->Arg(80)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_ImportSeparatePairs)->Arg(1000)->Arg(7000)->Arg(28000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
}  // namespace kirvolt
