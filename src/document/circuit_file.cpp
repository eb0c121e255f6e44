#include "document/circuit_file.h"

#include "document/archive.h"

namespace kirvolt {
namespace {

const char* const UNEXPECTED_FORMAT = "Unexpected file format.";

}  // namespace

std::vector<std::uint8_t> circuitBytes(CKirvoltDoc& doc)
{
    Archive archive;
    doc.Persist(archive);
    return archive.takeBytes();
}

FileResult readCircuitBytes(std::span<const std::uint8_t> bytes, CKirvoltDoc& doc)
{
    if (bytes.empty()) {
        return {};
    }
    try {
        Archive archive(bytes);
        doc.Persist(archive);
        if (archive.remaining() != 0) {
            throw FileFormatError();
        }
    } catch (const FileFormatError&) {
        return failure(UNEXPECTED_FORMAT);
    } catch (const std::exception&) {
        return failure(FAILED_TO_OPEN);
    }
    doc.SetModifiedFlag(false);
    return {};
}

FileResult loadCircuit(const std::string& path, CKirvoltDoc& doc)
{
    std::vector<std::uint8_t> bytes;
    if (FileResult read = readWholeFile(path, bytes); !read.ok) {
        return read;
    }
    return readCircuitBytes(bytes, doc);
}

FileResult writeCircuitBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    try {
        return replaceFile(path, bytes);
    } catch (const std::exception&) {
        return failure(FAILED_TO_SAVE);
    }
}

FileResult saveCircuit(CKirvoltDoc& doc, const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    try {
        bytes = circuitBytes(doc);
    } catch (const std::exception&) {
        return failure(FAILED_TO_SAVE);
    }
    const FileResult result = writeCircuitBytes(path, bytes);
    if (result.ok) {
        doc.SetModifiedFlag(false);
    }
    return result;
}

}  // namespace kirvolt
