#include "support/sample_circuits.h"

#include "support/circuit_builder.h"

namespace kirvolt::testing {
namespace {

void addJoint(CKirvoltDoc& doc, Point at)
{
    doc.AddComponent(std::make_unique<CNode>(at, 0, DISPLAY_GHOST, doc.gridSize, STYLE_EUROPEAN));
}

// Placing a component appends the joints at its terminals first, then the component.
void precedeWithJoints(CKirvoltDoc& doc, const CComponent& placed)
{
    auto component = std::move(doc.components.back());
    doc.components.pop_back();
    addJoint(doc, placed.startPoint);
    addJoint(doc, placed.finishPoint);
    doc.components.push_back(std::move(component));
}

void wireWithJoints(CKirvoltDoc& doc, int x1, int y1, int x2, int y2)
{
    const CComponent& wire = CircuitBuilder(doc).wire(x1, y1, x2, y2);
    addJoint(doc, wire.startPoint);
    addJoint(doc, wire.finishPoint);
}

}  // namespace

void buildVoltageDivider(CKirvoltDoc& doc)
{
    CircuitBuilder build(doc);
    precedeWithJoints(doc, build.voltageSource(5, 8, ORIENT_NORTH, 12.0));
    precedeWithJoints(doc, build.resistor(10, 5, ORIENT_EAST, 10.0));
    precedeWithJoints(doc, build.resistor(16, 8, ORIENT_SOUTH, 20.0));
    wireWithJoints(doc, 5, 5, 7, 5);
    wireWithJoints(doc, 13, 5, 16, 5);
    wireWithJoints(doc, 16, 11, 5, 11);
}

void buildThreeFaults(CKirvoltDoc& doc)
{
    CircuitBuilder build(doc);
    build.voltageSource(4, 10, ORIENT_NORTH, 10);
    build.resistor(12, 10, ORIENT_NORTH, 0);
    build.currentSource(16, 10, ORIENT_NORTH, 0);
    build.resistor(19, 7, ORIENT_EAST, 5);
    build.wire(4, 7, 12, 7);
    build.wire(4, 13, 12, 13);
    build.wire(12, 7, 16, 7);
    build.wire(12, 13, 16, 13);
}

void buildMeteredDivider(CKirvoltDoc& doc)
{
    CircuitBuilder c(doc);
    c.voltageSource(5, 8, ORIENT_NORTH, 12.0);
    c.resistor(10, 5, ORIENT_EAST, 10.0);
    c.element(KIND_AMMETER, {19, 5}, ORIENT_WEST, 0);
    c.resistor(22, 8, ORIENT_SOUTH, 20.0);
    c.element(KIND_VOLTMETER, {25, 8}, ORIENT_NORTH, 0);
    c.element(KIND_VOLTMETER, {40, 40}, ORIENT_EAST, 0);
    c.wire(5, 5, 7, 5);
    c.wire(13, 5, 16, 5);
    c.wire(22, 11, 5, 11);
    c.wire(22, 5, 25, 5);
    c.wire(22, 11, 25, 11);
}

}  // namespace kirvolt::testing
