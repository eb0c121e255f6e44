#include "support/generated_circuits.h"

#include <cmath>

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

}  // namespace kirvolt::testing
