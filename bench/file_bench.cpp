#include <benchmark/benchmark.h>

#include <filesystem>

#include "document/circuit_file.h"
#include "support/generated_circuits.h"

namespace kirvolt {
namespace {

constexpr int ELEMENT_COUNT = 100000;

CKirvoltDoc& largeCircuit()
{
    static CKirvoltDoc doc;
    if (doc.components.empty()) {
        testing::drawMixedCircuit(doc, ELEMENT_COUNT);
    }
    return doc;
}

std::string benchFile()
{
    return (std::filesystem::temp_directory_path() / "kirvolt_file_bench.kvt").string();
}

void saveToMemory(benchmark::State& state)
{
    CKirvoltDoc& doc = largeCircuit();
    for (auto _ : state) {
        benchmark::DoNotOptimize(circuitBytes(doc));
    }
}

void loadFromMemory(benchmark::State& state)
{
    const auto bytes = circuitBytes(largeCircuit());
    for (auto _ : state) {
        CKirvoltDoc doc;
        if (!readCircuitBytes(bytes, doc).ok) {
            state.SkipWithError("the circuit did not load");
        }
        benchmark::DoNotOptimize(doc.components.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void saveToDisk(benchmark::State& state)
{
    CKirvoltDoc& doc = largeCircuit();
    for (auto _ : state) {
        if (!saveCircuit(doc, benchFile()).ok) {
            state.SkipWithError("the circuit was not saved");
        }
    }
}

void loadFromDisk(benchmark::State& state)
{
    if (!saveCircuit(largeCircuit(), benchFile()).ok) {
        state.SkipWithError("the circuit was not saved");
        return;
    }
    for (auto _ : state) {
        CKirvoltDoc doc;
        if (!loadCircuit(benchFile(), doc).ok) {
            state.SkipWithError("the circuit did not load");
        }
        benchmark::DoNotOptimize(doc.components.data());
    }
    std::filesystem::remove(benchFile());
}

BENCHMARK(saveToMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(loadFromMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(saveToDisk)->Unit(benchmark::kMillisecond);
BENCHMARK(loadFromDisk)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kirvolt
