#pragma once

#include "analysis/macro_node.h"
#include "document/circuit_document.h"

namespace kirvolt {

// The lines of a node whose voltage follows from the datum node through the voltage sources
// of the path (from the node to the datum node).
void writeDatumRelation(CKirvoltDoc& doc, int node, const SourcePath& path);

// The lines of a member of a macro node without the datum node: its voltage from the first
// macro node's through the sources of the path (from the node to the first macro node).
void writeMemberRelation(CKirvoltDoc& doc, int node, int first, const SourcePath& path);

}  // namespace kirvolt
