#pragma once

#include <string>
#include <vector>

#include "analysis/macro_node.h"
#include "analysis/node_names.h"
#include "document/circuit_document.h"

namespace kirvolt {

// The lines of a node whose voltage follows from the datum node through the voltage sources
// of the path (from the node to the datum node).
void writeDatumRelation(CKirvoltDoc& doc, const NodeNames& names, int node, const SourcePath& path);

// The lines of a member of a macro node without the datum node: its voltage from the first
// macro node's through the sources of the path (from the node to the first macro node).
void writeMemberRelation(CKirvoltDoc& doc, const NodeNames& names, int node, int first, const SourcePath& path);

// The relation lines of the members of macro nodes whose sources form no loop, where the
// chain from a member to its reference is the member's own step followed by the chain of the
// node after it: each step is formatted once, however many chains pass through it.
class TreeRelations {
public:
    TreeRelations(CKirvoltDoc& doc, const NodeNames& names, const MacroNodeIndex& macroNodes);
    // The datum or member relation of a node other than its macro node's reference.
    void write(int node);

    struct Step {
        double emf = 0.0;
        std::string name;   // the source's label
        std::string named;  // the step as the names line writes it, with its separator
        std::string valued;  // the same in volts
    };

private:
    const Step& stepAt(int node);

    CKirvoltDoc& doc;
    const NodeNames& names;
    const MacroNodeIndex& macroNodes;
    // [node]: the step to the node after it, once made; sized once, so that a chain's
    // pointers stay valid.
    std::vector<Step> steps;
    std::vector<char> made;
    std::vector<const Step*> chain;
};

}  // namespace kirvolt
