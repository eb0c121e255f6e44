#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "analysis/nodal_analysis.h"

namespace kirvolt {
namespace {

// Draws circuits the way a user would: elements at grid points, wires from their terminals
// to the node points.
class Drawing {
public:
    explicit Drawing(CKirvoltDoc& doc) : doc(doc) {}

    void wire(Point a, Point b)
    {
        doc.AddComponent(std::make_unique<CWire>(doc.wireCount++, logical(a), logical(b), COLOUR_WIRE, KIND_WIRE,
                                                 doc.gridSize, STYLE_EUROPEAN));
    }

    // A resistor between two node points, standing between them and wired to both.
    void resistorBetween(Point a, Point b, double ohms) { placeBetween(KIND_RESISTOR, a, b, ohms); }

    // A source somewhere off the drawing, wired to its two node points (start first).
    void sourceAt(std::uint16_t kind, Point at, Point startNode, Point finishNode, double value)
    {
        CComponent& c = place(kind, at, ORIENT_EAST, value);
        wire(c.gridStart, startNode);
        wire(c.gridFinish, finishNode);
    }

private:
    Point logical(Point p) const { return {p.x * doc.gridSize, p.y * doc.gridSize}; }

    CComponent& place(std::uint16_t kind, Point at, int orientation, double value)
    {
        std::unique_ptr<CComponent> c;
        const int g = doc.gridSize;
        if (kind == KIND_RESISTOR) {
            c = std::make_unique<CResistor>(doc.resistorCount++, logical(at), orientation, COLOUR_COMPONENT,
                                            DISPLAY_PLACED, g, STYLE_EUROPEAN);
        } else if (kind == KIND_VOLTAGE_SOURCE) {
            c = std::make_unique<CVoltageSource>(doc.voltageSourceCount++, logical(at), orientation, COLOUR_COMPONENT,
                                                 DISPLAY_PLACED, g, STYLE_EUROPEAN);
        } else {
            c = std::make_unique<CCurrentSource>(doc.currentSourceCount++, logical(at), orientation,
                                                 COLOUR_COMPONENT, DISPLAY_PLACED, g, STYLE_EUROPEAN);
        }
        c->value = value;
        return *doc.AddComponent(std::move(c));
    }

    void placeBetween(std::uint16_t kind, Point a, Point b, double value)
    {
        const Point middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
        const int orientation = a.y == b.y ? ORIENT_EAST : ORIENT_SOUTH;
        CComponent& c = place(kind, middle, orientation, value);
        wire(a, c.gridStart);
        wire(c.gridFinish, b);
    }

    CKirvoltDoc& doc;
};

// A ladder of series and shunt resistors fed by a voltage source: node points along the
// top, a ground rail below. nodes = rungs + 1.
void drawLadder(CKirvoltDoc& doc, int nodes)
{
    Drawing draw(doc);
    const int rungs = nodes - 1;
    for (int k = 0; k < rungs; ++k) {
        const Point top{10 * k, 0};
        const Point ground{10 * k, 10};
        if (k + 1 < rungs) {
            draw.resistorBetween(top, {10 * (k + 1), 0}, 10 + k % 7);
            draw.wire(ground, {10 * (k + 1), 10});
        }
        if (k > 0) {
            draw.resistorBetween(top, ground, 20 + k % 5);
        }
    }
    draw.sourceAt(KIND_VOLTAGE_SOURCE, {-20, 5}, {0, 0}, {0, 10}, 12);
}

// A square mesh of resistors with a voltage source across its diagonal and a current source
// into its middle.
void drawGrid(CKirvoltDoc& doc, int nodes)
{
    Drawing draw(doc);
    const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(nodes))));
    const int rows = (nodes + side - 1) / side;
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < side; ++i) {
            const Point p{10 * i, 10 * j};
            if (i + 1 < side) {
                draw.resistorBetween(p, {10 * (i + 1), 10 * j}, 10 + (i + j) % 7);
            }
            if (j + 1 < rows) {
                draw.resistorBetween(p, {10 * i, 10 * (j + 1)}, 20 + (i * j) % 5);
            }
        }
    }
    const Point last{10 * (side - 1), 10 * (rows - 1)};
    draw.sourceAt(KIND_VOLTAGE_SOURCE, {-20, -20}, {0, 0}, last, 12);
    draw.sourceAt(KIND_CURRENT_SOURCE, {-20, -40}, last, {10 * (side / 2), 10 * (rows / 2)}, 0.5);
}

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
void BM_GridAnalysis(benchmark::State& state) { analyse(state, drawGrid); }
void BM_LadderElimination(benchmark::State& state) { eliminate(state, drawLadder); }
void BM_GridElimination(benchmark::State& state) { eliminate(state, drawGrid); }

BENCHMARK(BM_LadderAnalysis)->Arg(10)->Arg(99)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_GridAnalysis)->Arg(10)->Arg(99)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_LadderElimination)->Arg(99)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_GridElimination)->Arg(99)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
}  // namespace kirvolt
