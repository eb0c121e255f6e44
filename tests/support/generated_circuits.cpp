#include "support/generated_circuits.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "support/circuit_builder.h"

namespace kirvolt::testing {

void drawLadder(CKirvoltDoc& doc, int nodes)
{
    CircuitBuilder build(doc);
    const int rungs = nodes - 1;
    for (int k = 0; k < rungs; ++k) {
        const Point top{10 * k, 0};
        const Point ground{10 * k, 10};
        if (k + 1 < rungs) {
            build.between(KIND_RESISTOR, top, {10 * (k + 1), 0}, 10 + k % 7);
            build.wire(ground, {10 * (k + 1), 10});
        }
        if (k > 0) {
            build.between(KIND_RESISTOR, top, ground, 20 + k % 5);
        }
    }
    build.wiredTo(KIND_VOLTAGE_SOURCE, {-20, 5}, {0, 0}, {0, 10}, 12);
}

void drawMesh(CKirvoltDoc& doc, int nodes)
{
    CircuitBuilder build(doc);
    const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(nodes))));
    const int rows = (nodes + side - 1) / side;
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < side; ++i) {
            const Point p{10 * i, 10 * j};
            if (i + 1 < side) {
                build.between(KIND_RESISTOR, p, {10 * (i + 1), 10 * j}, 10 + (i + j) % 7);
            }
            if (j + 1 < rows) {
                build.between(KIND_RESISTOR, p, {10 * i, 10 * (j + 1)}, 20 + (i * j) % 5);
            }
        }
    }
    const Point last{10 * (side - 1), 10 * (rows - 1)};
    build.wiredTo(KIND_VOLTAGE_SOURCE, {-20, -20}, {0, 0}, last, 12);
    build.wiredTo(KIND_CURRENT_SOURCE, {-20, -40}, last, {10 * (side / 2), 10 * (rows / 2)}, 0.5);
}

void drawMixedCircuit(CKirvoltDoc& doc, int elements)
{
    CircuitBuilder build(doc);
    for (int i = 0; static_cast<int>(doc.components.size()) < elements; ++i) {
        const Point at{(i % 100) * 8, (i / 100) * 8};
        CComponent& element = build.element(i % 3 == 0 ? KIND_VOLTAGE_SOURCE : KIND_RESISTOR, at, i % 4, i);
        build.joint(element.gridStart.x, element.gridStart.y);
        build.joint(element.gridFinish.x, element.gridFinish.y);
        build.wire(element.gridFinish, {element.gridFinish.x + 2, element.gridFinish.y});
    }
}

void drawSpreadCircuit(CKirvoltDoc& doc, int gridSize)
{
    doc.gridSize = static_cast<std::uint16_t>(gridSize);
    CircuitBuilder build(doc);
    const int across = 250 / gridSize;  // a cell is 250 by 500 logical units at any zoom
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 20; ++column) {
            const int x = column * across + 5;
            const int y = row * 2 * across + 5;
            const int orientation = (row + column) % 4;
            build.element(KIND_RESISTOR, {x, y}, orientation, 47);
            build.element(KIND_VOLTAGE_SOURCE, {x + 8, y}, orientation, 12);
            build.element(KIND_CURRENT_SOURCE, {x + 16, y + 10}, orientation, 0.5);
            build.wire({x, y + 20}, {x + 20, y + 30}, KIND_WIRE_TURN_HV);
            build.joint(x, y + 20).label = std::to_string(row * 20 + column + 1);
        }
    }
}

namespace {

constexpr int BENCH_GRID_SIZE = 10;
constexpr int STEP = 6;     // a resistor's or source's span in grid steps
constexpr int ORIGIN = 12;  // room at the left and top for the source and the wires

void wireUnlessPoint(CircuitBuilder& build, Point from, Point to)
{
    if (from != to) {
        build.wire(from, to);
    }
}

}  // namespace

GeneratedParts drawGrid(CKirvoltDoc& doc, int n)
{
    doc.gridSize = BENCH_GRID_SIZE;
    CircuitBuilder build(doc);
    GeneratedParts parts;
    const auto point = [](int i, int j) { return Point{ORIGIN + STEP * i, ORIGIN + STEP * j}; };
    const auto id = [n](int i, int j) { return i + n * j; };
    const int far = n - 1;
    // The wires come first in the list, so the source's negative side becomes node 1.
    const int middle = ORIGIN + STEP * far / 2;
    const CComponent& source = build.element(KIND_VOLTAGE_SOURCE, {ORIGIN - STEP, middle}, ORIENT_SOUTH, 12);
    wireUnlessPoint(build, source.gridFinish, {ORIGIN - STEP, ORIGIN});
    build.wire({ORIGIN - STEP, ORIGIN}, point(0, 0));
    wireUnlessPoint(build, source.gridStart, {ORIGIN - STEP, point(0, far).y});
    build.wire({ORIGIN - STEP, point(0, far).y}, point(0, far));
    parts.push_back({&source, KIND_VOLTAGE_SOURCE, id(0, far), id(0, 0), 12});
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            if (i + 1 < n) {
                const double ohms = 10 + (7 * i + 3 * j) % 90;
                parts.push_back({&build.between(KIND_RESISTOR, point(i, j), point(i + 1, j), ohms), KIND_RESISTOR,
                                 id(i, j), id(i + 1, j), ohms});
            }
            if (j + 1 < n) {
                const double ohms = 20 + (5 * i + 11 * j) % 80;
                parts.push_back({&build.between(KIND_RESISTOR, point(i, j), point(i, j + 1), ohms), KIND_RESISTOR,
                                 id(i, j), id(i, j + 1), ohms});
            }
        }
    }
    return parts;
}

GeneratedParts drawSourceChain(CKirvoltDoc& doc, int sources)
{
    constexpr int PER_ROW = 500;
    constexpr int ROW_HEIGHT = 18;  // chain, rail six steps below it, a gap for the link wires
    doc.gridSize = BENCH_GRID_SIZE;
    CircuitBuilder build(doc);
    GeneratedParts parts;
    const int rows = std::max((sources + PER_ROW - 1) / PER_ROW, 1);
    for (int row = 0; row < rows; ++row) {
        const int first = row * PER_ROW;  // the chain node the row starts from
        const int count = std::min(PER_ROW, sources - first);
        const int y = ORIGIN + ROW_HEIGHT * row;
        const int rail = y + STEP;
        const auto x = [](int k) { return ORIGIN + STEP * k; };
        // The rail's wires lead the list, so the rail becomes node 1; a row after the first
        // starts at the node that ended the row above, which has its resistor already.
        const int firstResistor = row == 0 ? 0 : 1;
        for (int k = firstResistor; k < count; ++k) {
            build.wire({x(k), rail}, {x(k + 1), rail});
        }
        if (row + 1 < rows) {
            const int nextCount = std::min(PER_ROW, sources - first - PER_ROW);
            const int side = x(count) + STEP;
            build.wire({x(count), rail}, {side, rail});
            build.wire({side, rail}, {side, rail + ROW_HEIGHT});
            build.wire({side, rail + ROW_HEIGHT}, {x(nextCount), rail + ROW_HEIGHT});
            const int turn = x(count) + STEP / 2;
            const int between = y + 2 * STEP;
            build.wire({x(count), y}, {turn, y});
            build.wire({turn, y}, {turn, between});
            build.wire({turn, between}, {ORIGIN - STEP / 2, between});
            build.wire({ORIGIN - STEP / 2, between}, {ORIGIN - STEP / 2, y + ROW_HEIGHT});
            build.wire({ORIGIN - STEP / 2, y + ROW_HEIGHT}, {ORIGIN, y + ROW_HEIGHT});
        }
        for (int k = 0; k < count; ++k) {
            const int c = first + k;
            const double volts = 1 + c % 9;
            parts.push_back({&build.between(KIND_VOLTAGE_SOURCE, {x(k), y}, {x(k + 1), y}, volts),
                             KIND_VOLTAGE_SOURCE, c + 1, c + 2, volts});
        }
        for (int k = firstResistor; k <= count; ++k) {
            const int c = first + k;
            const double ohms = 100 + 10 * (c % 13);
            parts.push_back({&build.between(KIND_RESISTOR, {x(k), y}, {x(k), rail}, ohms), KIND_RESISTOR, c + 1, 0,
                             ohms});
        }
    }
    return parts;
}

std::string spiceNetlist(const GeneratedParts& parts)
{
    std::ostringstream text;
    text.precision(17);
    text << "kirvolt generated circuit\n";
    const auto node = [](int k) { return k == 0 ? std::string("0") : "n" + std::to_string(k); };
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const GeneratedPart& p = parts[k];
        const char letter = p.kind == KIND_RESISTOR ? 'r' : (p.kind == KIND_VOLTAGE_SOURCE ? 'v' : 'i');
        text << letter << k << ' ' << node(p.start) << ' ' << node(p.finish)
             << (p.kind == KIND_RESISTOR ? " " : " DC ") << p.value << '\n';
    }
    text << ".control\nset numdgt=15\nop\nprint all\n.endc\n.end\n";
    return text.str();
}

}  // namespace kirvolt::testing
