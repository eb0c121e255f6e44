#include <benchmark/benchmark.h>

#include <filesystem>

#include "document/circuit_file.h"

namespace kirvolt {
namespace {

constexpr int ELEMENT_COUNT = 100000;

// A large circuit of the usual mix: each resistor or source with its two joints, and
// wires between them, every element with a name.
void buildLargeCircuit(CKirvoltDoc& doc)
{
    const int g = doc.gridSize;
    for (int i = 0; static_cast<int>(doc.components.size()) < ELEMENT_COUNT; ++i) {
        const Point at{(i % 100) * 8 * g, (i / 100) * 8 * g};
        std::unique_ptr<CComponent> element;
        if (i % 3 == 0) {
            element = std::make_unique<CVoltageSource>(doc.voltageSourceCount++, at, i % 4, COLOUR_COMPONENT,
                                                       DISPLAY_PLACED, g, STYLE_EUROPEAN);
        } else {
            element = std::make_unique<CResistor>(doc.resistorCount++, at, i % 4, COLOUR_COMPONENT, DISPLAY_PLACED, g, STYLE_EUROPEAN);
        }
        element->value = i;
        doc.AddComponent(std::make_unique<CNode>(element->startPoint, 0, DISPLAY_GHOST, g, STYLE_EUROPEAN));
        doc.AddComponent(std::make_unique<CNode>(element->finishPoint, 0, DISPLAY_GHOST, g, STYLE_EUROPEAN));
        const Point finish = element->finishPoint;
        doc.AddComponent(std::move(element));
        doc.AddComponent(
            std::make_unique<CWire>(doc.wireCount++, finish, Point{finish.x + 2 * g, finish.y}, COLOUR_WIRE, KIND_WIRE, g, STYLE_EUROPEAN));
    }
}

CKirvoltDoc& largeCircuit()
{
    static CKirvoltDoc doc;
    if (doc.components.empty()) {
        buildLargeCircuit(doc);
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
