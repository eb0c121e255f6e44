#pragma once

#include <string>
#include <unordered_map>

#include "document/circuit_document.h"

namespace kirvolt {

// A node's name is the label of the first joint of that node in list order, or "error" when
// the node has no joint. Every text that names a node uses it.
std::string nodeName(const CKirvoltDoc& doc, int node);

// The same for many nodes, the joints walked once.
class NodeNames {
public:
    explicit NodeNames(const CKirvoltDoc& doc);
    const std::string& operator()(int node) const;

private:
    std::unordered_map<int, std::string> first;
};

}  // namespace kirvolt
