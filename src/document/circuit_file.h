#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// The outcome of reading or writing a circuit file; the message is the text to show the
// user and is empty on success.
struct FileResult {
    bool ok = true;
    std::string message;
};

// Reads a circuit file into a freshly constructed document. A zero-length file is an empty
// circuit. On success the document is not modified; on failure it holds whatever was read
// before the failure and is to be discarded.
FileResult loadCircuit(const std::string& path, CKirvoltDoc& doc);

// Writes the document beside the target and then puts it in the target's place, so that a
// failed save leaves the previous file as it was. Clears the modified flag on success.
FileResult saveCircuit(CKirvoltDoc& doc, const std::string& path);

// Writes any file the way saveCircuit writes a circuit: beside the target first, so that a
// failure leaves no half-written file and the previous one as it was.
FileResult replaceFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);

// The same two directions without a file: the bytes of a circuit file, and a document read
// from such bytes.
std::vector<std::uint8_t> circuitBytes(CKirvoltDoc& doc);
FileResult readCircuitBytes(std::span<const std::uint8_t> bytes, CKirvoltDoc& doc);

}  // namespace kirvolt
