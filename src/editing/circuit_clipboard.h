#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// The selected records and the joints at their ends as a circuit of their own, at the
// source's grid step, with no nodes built: what the Clipboard carries.
void copyRecordsInto(const CKirvoltDoc& source, const std::vector<const CComponent*>& selected, CKirvoltDoc& copy);

// The same as circuit-file bytes.
std::vector<std::uint8_t> copiedCircuitBytes(const CKirvoltDoc& source, const std::vector<const CComponent*>& selected);

struct PasteOutcome {
    std::vector<std::uint64_t> pasted;  // the record ids of the elements put in
    std::string problem;                // what to tell the user when nothing could be pasted
};

// Puts the circuit of the bytes into the document: its top left grid point at the pointer's
// grid point, or without one where it was drawn, moved on two grid steps at a time while that
// would lay its elements exactly over elements of the document. Components, sources and wires
// keep their values and the labels the user gave them and take fresh names from the document's
// counters; nothing carries results or node numbers from where it came.
PasteOutcome pasteCircuit(CKirvoltDoc& doc, std::span<const std::uint8_t> bytes, std::optional<Point> pointerGrid);

}  // namespace kirvolt
