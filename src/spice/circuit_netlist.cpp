#include "spice/circuit_netlist.h"

#include <algorithm>

#include "analysis/nodal_solver.h"
#include "analysis/node_extraction.h"
#include "analysis/node_names.h"
#include "document/circuit_file.h"

namespace kirvolt {

CircuitNetlist circuitNetlist(CKirvoltDoc& doc, const std::string& title)
{
    const std::vector<std::uint8_t> bytes = circuitBytes(doc);
    CKirvoltDoc copy;
    readCircuitBytes(bytes, copy);
    // SPICE measures with elements of its own: each meter keeps two nodes, an ammeter being
    // a 0 V source between them. Without meters the nodes stay those the analysis uses, which
    // a file may hold without the drawing's geometry.
    const bool metered = std::any_of(copy.components.begin(), copy.components.end(), [](const auto& c) {
        return c->kindCode == KIND_AMMETER || c->kindCode == KIND_VOLTMETER;
    });
    if (metered) {
        buildNodes(copy, MeterNodes::ofTheirOwn);
    }
    prepareNumbering(copy);

    CircuitNetlist result;
    Netlist& netlist = result.netlist;
    netlist.title = title;
    std::vector<int> indexOfNode(static_cast<std::size_t>(copy.nodeCount) + 1, 0);
    const NodeNames names(copy);
    if (copy.isNode(copy.datumNode)) {
        netlist.nodes.push_back(names(copy.datumNode));
        result.nodeNumbers.push_back(copy.datumNode);
    } else {
        netlist.nodes.emplace_back("0");
        result.nodeNumbers.push_back(0);
    }
    for (int k = 1; k <= copy.nodeCount; ++k) {
        if (k != copy.datumNode) {
            indexOfNode[static_cast<std::size_t>(k)] = static_cast<int>(netlist.nodes.size());
            netlist.nodes.push_back(names(k));
            result.nodeNumbers.push_back(k);
        }
    }
    for (const auto& c : copy.components) {
        if (isBranchKind(c->kindCode)) {
            netlist.elements.push_back({c->kindCode, c->label, indexOfNode.at(static_cast<std::size_t>(c->startNode)),
                                        indexOfNode.at(static_cast<std::size_t>(c->finishNode)), c->value});
        }
    }
    CKirvoltDoc analysed;
    readCircuitBytes(bytes, analysed);
    if (const AnalysisOutcome outcome = runNodalAnalysis(analysed); !outcome) {
        netlist.notes.push_back("Kirvolt does not solve this circuit:\n" + outcome.refusal->message);
    }
    return result;
}

}  // namespace kirvolt
