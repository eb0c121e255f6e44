#include "support/node_circuit.h"

#include "analysis/node_numbering.h"

namespace kirvolt::testing {

NodeCircuit::NodeCircuit(CKirvoltDoc& doc, int nodeCount) : doc(doc)
{
    for (int k = 1; k <= nodeCount; ++k) {
        doc.AddComponent(std::make_unique<CNode>(Point{k * 100, 0}, k, DISPLAY_PLACED, doc.gridSize, STYLE_EUROPEAN));
    }
    doc.nodeCount = nodeCount;
    doc.nextNodeNumber = nodeCount + 1;
    doc.jointCount = nodeCount + 1;
    doc.nodesValid = 1;
}

CComponent& NodeCircuit::branch(std::unique_ptr<CComponent> record, int start, int finish, double value,
                                const std::string& label)
{
    record->startNode = start;
    record->finishNode = finish;
    record->value = value;
    if (!label.empty()) {
        record->label = label;
        record->name = label;
    }
    CComponent& placed = *doc.AddComponent(std::move(record));
    doc.nodesValid = 1;
    return placed;
}

CComponent& NodeCircuit::resistor(int start, int finish, double ohms, const std::string& label)
{
    return branch(std::make_unique<CResistor>(doc.resistorCount++, Point{0, 200}, ORIENT_EAST, COLOUR_COMPONENT,
                                              DISPLAY_PLACED, doc.gridSize, STYLE_EUROPEAN),
                  start, finish, ohms, label);
}

CComponent& NodeCircuit::voltageSource(int start, int finish, double volts, const std::string& label)
{
    return branch(std::make_unique<CVoltageSource>(doc.voltageSourceCount++, Point{0, 200}, ORIENT_EAST,
                                                   COLOUR_COMPONENT, DISPLAY_PLACED, doc.gridSize, STYLE_EUROPEAN),
                  start, finish, volts, label);
}

CComponent& NodeCircuit::currentSource(int start, int finish, double amperes, const std::string& label)
{
    return branch(std::make_unique<CCurrentSource>(doc.currentSourceCount++, Point{0, 200}, ORIENT_EAST,
                                                   COLOUR_COMPONENT, DISPLAY_PLACED, doc.gridSize, STYLE_EUROPEAN),
                  start, finish, amperes, label);
}

CComponent& NodeCircuit::wire(int node)
{
    auto record = std::make_unique<CWire>(doc.wireCount++, Point{0, 300}, Point{20, 300}, COLOUR_WIRE, KIND_WIRE,
                                          doc.gridSize, STYLE_EUROPEAN);
    record->startNode = node;
    record->finishNode = node;
    CComponent& placed = *doc.AddComponent(std::move(record));
    doc.nodesValid = 1;
    return placed;
}

void NodeCircuit::number(int datum)
{
    selectDatum(doc, datum);
    fillComponentTables(doc);
    fillBranchTables(doc);
    fillIncidence(doc);
}

}  // namespace kirvolt::testing
