#include "spice/circuit_netlist.h"

#include <algorithm>
#include <map>

#include "analysis/nodal_solver.h"
#include "analysis/node_extraction.h"
#include "analysis/node_names.h"
#include "document/circuit_file.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

// The node numbers of the resistors' and sources' terminals, in list order.
std::vector<int> elementNodes(const CKirvoltDoc& doc)
{
    std::vector<int> nodes;
    for (const auto& c : doc.components) {
        if (isAnalysedBranchKind(c->kindCode)) {
            nodes.push_back(c->startNode);
            nodes.push_back(c->finishNode);
        }
    }
    return nodes;
}

// Whether the nodes the analysis uses are those the drawing gives: a file may hold nodes that
// its geometry does not, which the analysis then takes as they are. The two numberings must
// name the same groups of terminals.
bool drawingGivesItsNodes(const std::vector<std::uint8_t>& bytes, const CKirvoltDoc& analysed)
{
    CKirvoltDoc drawn;
    readCircuitBytes(bytes, drawn);
    buildNodes(drawn);
    const std::vector<int> used = elementNodes(analysed);
    const std::vector<int> given = elementNodes(drawn);
    std::map<int, int> forward;
    std::map<int, int> backward;
    for (std::size_t i = 0; i < used.size(); ++i) {
        if (forward.try_emplace(used[i], given[i]).first->second != given[i] ||
            backward.try_emplace(given[i], used[i]).first->second != used[i]) {
            return false;
        }
    }
    return used.size() == given.size();
}

}  // namespace

CircuitNetlist circuitNetlist(CKirvoltDoc& doc, const std::string& title)
{
    const std::vector<std::uint8_t> bytes = circuitBytes(doc);
    CKirvoltDoc copy;
    readCircuitBytes(bytes, copy);
    prepareNumbering(copy);
    // SPICE measures with elements of its own: each meter keeps two nodes, an ammeter being
    // a 0 V source between them, where the drawing gives the nodes that the analysis uses.
    // Otherwise the nodes stay those of the analysis, ammeters and all.
    const bool metered = std::any_of(copy.components.begin(), copy.components.end(), [](const auto& c) {
        return c->kindCode == KIND_AMMETER || c->kindCode == KIND_VOLTMETER;
    });
    if (metered && drawingGivesItsNodes(bytes, copy)) {
        buildNodes(copy, MeterNodes::ofTheirOwn);
        prepareNumbering(copy);
    }

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
        netlist.notes.push_back(fillIn(wording("Netlist", "Kirvolt does not solve this circuit:\n%1"), {outcome.refusal->message}));
    }
    return result;
}

}  // namespace kirvolt
