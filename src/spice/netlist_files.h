#pragma once

#include <string>
#include <string_view>

#include "document/circuit_document.h"
#include "document/file_access.h"

namespace kirvolt {

// Whether the path names a SPICE netlist by its extension: .cir, .net, .sp or .spice in any case.
bool isNetlistPath(const std::string& path);

// Reads a netlist and draws it into a fresh document; the message says why when it cannot.
FileResult importNetlistText(std::string_view text, CKirvoltDoc& doc);
FileResult importNetlist(const std::string& path, CKirvoltDoc& doc);

// The circuit as a SPICE netlist under the title, written to the file. The circuit is left as
// it was.
std::string exportNetlistText(CKirvoltDoc& doc, const std::string& title);
FileResult exportNetlist(CKirvoltDoc& doc, const std::string& path, const std::string& title);

}  // namespace kirvolt
