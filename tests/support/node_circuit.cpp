#include "support/node_circuit.h"

#include "analysis/node_numbering.h"
#include "support/circuit_builder.h"

namespace kirvolt::testing {

NodeCircuit::NodeCircuit(CKirvoltDoc& doc, int nodeCount) : doc(doc)
{
    for (int k = 1; k <= nodeCount; ++k) {
        CComponent& joint = CircuitBuilder(doc).joint(5 * k, 0);
        joint.startNode = joint.finishNode = k;
        joint.label = std::to_string(k);
    }
    doc.nodeCount = nodeCount;
    doc.nextNodeNumber = nodeCount + 1;
    doc.jointCount = nodeCount + 1;
    doc.nodesValid = 1;
}

// The records stand anywhere; only their node numbers count.
CComponent& NodeCircuit::branch(int kind, int start, int finish, double value, const std::string& label)
{
    CComponent& placed = CircuitBuilder(doc).element(kind, {0, 10}, ORIENT_EAST, value);
    placed.startNode = start;
    placed.finishNode = finish;
    if (!label.empty()) {
        placed.label = label;
        placed.name = label;
    }
    doc.nodesValid = 1;
    return placed;
}

CComponent& NodeCircuit::resistor(int start, int finish, double ohms, const std::string& label)
{
    return branch(KIND_RESISTOR, start, finish, ohms, label);
}

CComponent& NodeCircuit::voltageSource(int start, int finish, double volts, const std::string& label)
{
    return branch(KIND_VOLTAGE_SOURCE, start, finish, volts, label);
}

CComponent& NodeCircuit::currentSource(int start, int finish, double amperes, const std::string& label)
{
    return branch(KIND_CURRENT_SOURCE, start, finish, amperes, label);
}

CComponent& NodeCircuit::wire(int node)
{
    CComponent& placed = CircuitBuilder(doc).wire(0, 15, 1, 15);
    placed.startNode = node;
    placed.finishNode = node;
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
