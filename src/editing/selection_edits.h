#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/circuit_document.h"
#include "document/selection.h"

namespace kirvolt {

// The ids of the records lying wholly inside the band, corners included (logical units).
std::vector<std::uint64_t> recordsInside(const CKirvoltDoc& doc, Rect band);

// The ids of every record of the circuit.
std::vector<std::uint64_t> allRecords(const CKirvoltDoc& doc);

// Takes the selected records out of the circuit, and with them the joints at their ends that
// touch nothing any more. False when nothing was selected.
bool deleteSelection(CKirvoltDoc& doc, Selection& selection);

// What an edit of the selection is called in the Edit menu: the element's name when it is one
// ("Delete R1"), else the verb with "Selection" ("Delete Selection").
std::string selectionEditName(const std::string& verb, const std::vector<CComponent*>& selected);

}  // namespace kirvolt
