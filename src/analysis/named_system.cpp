#include "analysis/named_system.h"

#include "analysis/nodal_solver.h"
#include "analysis/node_names.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

const CComponent* voltageSourceOfBranch(const CKirvoltDoc& doc, int branch)
{
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_VOLTAGE_SOURCE && element->branchIndex == branch) {
            return element.get();
        }
    }
    return nullptr;
}

// The unknowns of the voltages come first, in the order nodeMap gives them.
void nameNodeUnknowns(const CKirvoltDoc& doc, NamedSystem& named)
{
    const NodeNames names(doc);
    const auto limit = static_cast<int>(doc.nodeMap.size());
    for (int node = 1; node <= doc.nodeCount && node < limit; ++node) {
        const auto column = static_cast<std::size_t>(doc.nodeMap[static_cast<std::size_t>(node)]);
        if (column >= 1 && column <= named.unknowns.size()) {
            named.unknowns[column - 1] = nodeVoltageUnknown(names(node));
            named.x[column - 1] = solvedNodeVoltage(doc, node);
        }
    }
}

void nameSourceUnknowns(const CKirvoltDoc& doc, const NodalSystem& system, NamedSystem& named)
{
    for (int row = 1; row <= system.matrix.size(); ++row) {
        const int branch = system.sourceRowBranch[static_cast<std::size_t>(row)];
        if (branch == 0) {
            continue;
        }
        const CComponent* source = voltageSourceOfBranch(doc, branch);
        named.unknowns[static_cast<std::size_t>(row - 1)] = sourceCurrentUnknown(source ? source->label : "error");
        named.x[static_cast<std::size_t>(row - 1)] = source ? source->current : 0.0;
    }
}

}  // namespace

Unknown nodeVoltageUnknown(const std::string& node)
{
    return {"V", node, "V" + node, "V", fillIn(wording("NamedSystem", "the voltage of node %1"), {node})};
}

Unknown sourceCurrentUnknown(const std::string& label)
{
    return {"I", label, "I(" + label + ")", "A", fillIn(wording("NamedSystem", "the current through %1, from its + terminal to its - terminal"), {label})};
}

double NamedSystem::residual(std::size_t row) const
{
    double sum = -b[row];
    for (std::size_t column = 0; column < x.size(); ++column) {
        sum += g[row][column] * x[column];
    }
    return sum;
}

NamedSystem namedNodalSystem(CKirvoltDoc& doc)
{
    const NodalSystem system = buildNodalSystem(doc);
    const int n = system.matrix.size();
    const auto size = static_cast<std::size_t>(n);
    const std::string datum = nodeName(doc, doc.datumNode);
    NamedSystem named{wording("NamedSystem", "The modified nodal system"),
                      fillIn(wording("NamedSystem", "node %1 is the datum node, at 0 V"), {datum}),
                      fillIn(wording("NamedSystem", "node %1, the datum node, is the only node."), {datum}),
                      std::vector<Unknown>(size),
                      std::vector<std::vector<double>>(size, std::vector<double>(size)),
                      std::vector<double>(size),
                      std::vector<double>(size)};
    for (int row = 1; row <= n; ++row) {
        for (int column = 1; column <= n; ++column) {
            named.g[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)] = system.matrix.at(row, column);
        }
        named.b[static_cast<std::size_t>(row - 1)] = system.matrix.at(row, n + 1);
    }
    nameNodeUnknowns(doc, named);
    nameSourceUnknowns(doc, system, named);
    return named;
}

double solvedNodeVoltage(const CKirvoltDoc& doc, int node)
{
    for (const auto& c : doc.components) {
        if (c->startNode == node) {
            return c->startVoltage;
        }
        if (c->finishNode == node) {
            return c->finishVoltage;
        }
    }
    return 0.0;
}

}  // namespace kirvolt
