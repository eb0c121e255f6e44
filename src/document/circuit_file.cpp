#include "document/circuit_file.h"

#include <cerrno>
#include <cmath>

#include "document/archive.h"
#include "document/value_range.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

const char* const UNEXPECTED_FORMAT = WORDING_NOOP("CircuitFile", "Unexpected file format.");

// The writer stores only finite numbers; a file that holds any other was not written by it.
bool numbersAreFinite(const CComponent& c)
{
    return std::isfinite(c.value) && std::isfinite(c.current) && std::isfinite(c.pd) && std::isfinite(c.startVoltage) &&
           std::isfinite(c.finishVoltage);
}

// The first record whose numbers the analysis must not be given, and why.
std::optional<std::string> refusedValue(const CKirvoltDoc& doc)
{
    for (const auto& record : doc.components) {
        const std::string& shown = record->label.empty() ? record->name : record->label;
        if (auto why = valueRangeRefusal(record->kindCode, shown, record->value)) {
            return why;
        }
        if (!numbersAreFinite(*record)) {
            return wording("CircuitFile", UNEXPECTED_FORMAT);
        }
    }
    return std::nullopt;
}

std::string saveFailure(const std::string& path, const std::exception& why)
{
    if (dynamic_cast<const std::length_error*>(&why) != nullptr) {
        return fileFailureText(path, FileAction::save, wording("CircuitFile", "a name or label is too long for a circuit file"));
    }
    return fileErrorResult(path, ENOMEM, FileAction::save).message;
}

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
        if (auto why = refusedValue(doc)) {
            return failure(*why);
        }
    } catch (const FileFormatError&) {
        return failure(wording("CircuitFile", UNEXPECTED_FORMAT));
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
    // A file of no bytes is what a failed copy or a full disk leaves behind, not a circuit.
    if (bytes.empty()) {
        return failure(fileFailureText(path, FileAction::open, wording("CircuitFile", "the file is empty")));
    }
    FileResult result = readCircuitBytes(bytes, doc);
    if (!result.ok && result.message == FAILED_TO_OPEN) {
        return fileErrorResult(path, ENOMEM, FileAction::open);
    }
    return result;
}

FileResult writeCircuitBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    try {
        return replaceFile(path, bytes);
    } catch (const std::exception& why) {
        return failure(saveFailure(path, why));
    }
}

FileResult saveCircuit(CKirvoltDoc& doc, const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    try {
        bytes = circuitBytes(doc);
    } catch (const std::exception& why) {
        return failure(saveFailure(path, why));
    }
    const FileResult result = writeCircuitBytes(path, bytes);
    if (result.ok) {
        doc.SetModifiedFlag(false);
    }
    return result;
}

}  // namespace kirvolt
