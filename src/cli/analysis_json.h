#pragma once

#include "cli/json_writer.h"
#include "document/circuit_document.h"

namespace kirvolt::cli {

// The "nodes" and "components" members of an analysed circuit, as analyse --json prints
// them: every node's number, name and voltage, every element's records and a meter's reading.
void writeNodesAndComponents(JsonWriter& json, const CKirvoltDoc& doc);

}  // namespace kirvolt::cli
