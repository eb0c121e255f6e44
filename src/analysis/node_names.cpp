#include "analysis/node_names.h"

namespace kirvolt {
namespace {

const std::string NO_JOINT = "error";

}  // namespace

std::string nodeName(const CKirvoltDoc& doc, int node)
{
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_JOINT && element->startNode == node) {
            return element->label;
        }
    }
    return NO_JOINT;
}

NodeNames::NodeNames(const CKirvoltDoc& doc)
{
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_JOINT) {
            first.try_emplace(element->startNode, element->label);
        }
    }
}

const std::string& NodeNames::operator()(int node) const
{
    const auto found = first.find(node);
    return found == first.end() ? NO_JOINT : found->second;
}

}  // namespace kirvolt
