#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/circuit_document.h"
#include "document/file_access.h"

namespace kirvolt {

// Reads a circuit file into a freshly constructed document. A file of no bytes is refused as
// empty, and so is a record whose value is outside its kind's range (naming the element and
// the range). On success the document is not modified; on failure it holds whatever was read
// before the failure and is to be discarded.
FileResult loadCircuit(const std::string& path, CKirvoltDoc& doc);

// Writes the document beside the target and then puts it in the target's place, so that a
// failed save leaves the previous file as it was. Clears the modified flag on success.
FileResult saveCircuit(CKirvoltDoc& doc, const std::string& path);

// Puts circuit-file bytes in the target's place as a save does, touching no document, so that
// it may run on any thread.
FileResult writeCircuitBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The same two directions without a file: the bytes of a circuit file, and a document read
// from such bytes (no bytes are an empty circuit, as the clipboard and recovery hold them).
std::vector<std::uint8_t> circuitBytes(CKirvoltDoc& doc);
FileResult readCircuitBytes(std::span<const std::uint8_t> bytes, CKirvoltDoc& doc);

}  // namespace kirvolt
