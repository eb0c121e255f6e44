#include "equations/table_circuit.h"

#include <algorithm>

#include "support/node_circuit.h"

namespace kirvolt::testing {

void fillTables(CKirvoltDoc& doc, int nodeCount, int datumNode, const std::vector<BranchRow>& branches,
                const std::vector<int>& jointless)
{
    NodeCircuit circuit(doc, nodeCount);
    for (const BranchRow& row : branches) {
        if (row.kind == KIND_RESISTOR) {
            circuit.resistor(row.start, row.finish, row.value, row.label);
        } else if (row.kind == KIND_VOLTAGE_SOURCE) {
            circuit.voltageSource(row.start, row.finish, row.value, row.label);
        } else {
            circuit.currentSource(row.start, row.finish, row.value, row.label);
        }
    }
    circuit.number(datumNode);
    for (int node : jointless) {
        const auto joint = std::find_if(doc.components.begin(), doc.components.end(), [&](const auto& record) {
            return record->kindCode == KIND_JOINT && record->startNode == node;
        });
        doc.RemoveComponent(joint->get());
    }
}

BranchRow resistor(const std::string& label, double ohms, int start, int finish)
{
    return {KIND_RESISTOR, label, ohms, start, finish};
}

BranchRow voltageSource(const std::string& label, double volts, int start, int finish)
{
    return {KIND_VOLTAGE_SOURCE, label, volts, start, finish};
}

BranchRow currentSource(const std::string& label, double amperes, int start, int finish)
{
    return {KIND_CURRENT_SOURCE, label, amperes, start, finish};
}

}  // namespace kirvolt::testing
