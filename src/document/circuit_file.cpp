#include "document/circuit_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "document/archive.h"

namespace kirvolt {
namespace {

const char* const UNEXPECTED_FORMAT = "Unexpected file format.";
const char* const OPEN_FAILED = "Failed to open document.";
const char* const SAVE_FAILED = "Failed to save document.";

constexpr std::size_t READ_STEP = 1 << 16;

// How many names beside the target a save tries for its temporary file.
constexpr int TEMPORARY_NAME_ATTEMPTS = 100;

FileResult failure(std::string message)
{
    return {false, std::move(message)};
}

// The desktop platform's texts for file errors, naming the file as the user gave it.
FileResult fileError(const std::string& path, int error, const char* otherwise)
{
    switch (error) {
    case ENOENT:
        return failure(path + " was not found.");
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
        return failure(path + " contains an invalid path.");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return failure("Access to " + path + " was denied.");
    case EBUSY:
    case ETXTBSY:
        return failure("A sharing violation occurred while accessing " + path + ".");
    default:
        return failure(otherwise);
    }
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::optional<FileResult> readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    errno = 0;
    const FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return fileError(path, errno, OPEN_FAILED);
    }
    // One read when the size is known; one byte more is asked for to meet the end.
    std::error_code noSize;
    const auto size = std::filesystem::file_size(path, noSize);
    std::size_t step = noSize ? READ_STEP : static_cast<std::size_t>(size) + 1;
    std::size_t used = 0;
    for (;;) {
        bytes.resize(used + step);
        const std::size_t got = std::fread(bytes.data() + used, 1, step, file.get());
        used += got;
        if (got < step) {
            break;
        }
        step = READ_STEP;
    }
    bytes.resize(used);
    if (std::ferror(file.get())) {
        return fileError(path, errno, OPEN_FAILED);
    }
    return std::nullopt;
}

// Refuses to replace a file that could not be written in place, as opening it for
// writing would have refused. Messages name the file as the user gave it.
std::optional<FileResult> checkTargetWritable(const std::string& target, const std::string& shown)
{
    errno = 0;
    const FileHandle existing(std::fopen(target.c_str(), "r+b"));
    if (!existing && errno != ENOENT) {
        return fileError(shown, errno, SAVE_FAILED);
    }
    return std::nullopt;
}

// Creates a file of a fresh name beside the target; never reuses an existing name.
std::optional<FileResult> createTemporary(const std::string& target, const std::string& shown, FileHandle& file,
                                          std::string& name)
{
    for (int attempt = 0; attempt < TEMPORARY_NAME_ATTEMPTS; ++attempt) {
        name = target + ".saving" + std::to_string(attempt);
        errno = 0;
        file.reset(std::fopen(name.c_str(), "wbx"));
        if (file) {
            return std::nullopt;
        }
        if (errno != EEXIST) {
            return fileError(shown, errno, SAVE_FAILED);
        }
    }
    return failure(SAVE_FAILED);
}

// Zero, or the error number of the first step that failed.
int writeAndClose(FileHandle& file, std::span<const std::uint8_t> bytes)
{
    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                         std::fflush(file.get()) == 0;
    int error = written ? 0 : (errno != 0 ? errno : EIO);
    errno = 0;
    if (std::fclose(file.release()) != 0 && error == 0) {
        error = errno != 0 ? errno : EIO;
    }
    return error;
}

void keepPermissions(const std::string& from, const std::string& to)
{
    std::error_code ignored;
    const auto status = std::filesystem::status(from, ignored);
    if (std::filesystem::exists(status)) {
        std::filesystem::permissions(to, status.permissions(), ignored);
    }
}

// Saving through a symbolic link replaces the file it points to, not the link.
std::string fileToReplace(const std::string& path)
{
    std::error_code unresolved;
    if (std::filesystem::is_symlink(path, unresolved)) {
        const auto resolved = std::filesystem::canonical(path, unresolved);
        if (!unresolved) {
            return resolved.string();
        }
    }
    return path;
}

std::optional<FileResult> replaceFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    const std::string target = fileToReplace(path);
    if (auto refused = checkTargetWritable(target, path)) {
        return refused;
    }
    FileHandle file;
    std::string temporary;
    if (auto refused = createTemporary(target, path, file, temporary)) {
        return refused;
    }
    if (const int error = writeAndClose(file, bytes); error != 0) {
        std::remove(temporary.c_str());
        return fileError(path, error, SAVE_FAILED);
    }
    keepPermissions(target, temporary);
    errno = 0;
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary.c_str());
        return fileError(path, error, SAVE_FAILED);
    }
    return std::nullopt;
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
    } catch (const FileFormatError&) {
        return failure(UNEXPECTED_FORMAT);
    } catch (const std::exception&) {
        return failure(OPEN_FAILED);
    }
    doc.SetModifiedFlag(false);
    return {};
}

FileResult loadCircuit(const std::string& path, CKirvoltDoc& doc)
{
    std::vector<std::uint8_t> bytes;
    try {
        if (auto refused = readWholeFile(path, bytes)) {
            return *refused;
        }
    } catch (const std::exception&) {
        return failure(OPEN_FAILED);
    }
    return readCircuitBytes(bytes, doc);
}

FileResult replaceFileBytes(const std::string& path, std::span<const std::uint8_t> bytes)
{
    try {
        if (auto refused = replaceFile(path, bytes)) {
            return *refused;
        }
    } catch (const std::exception&) {
        return failure(SAVE_FAILED);
    }
    return {};
}

FileResult saveCircuit(CKirvoltDoc& doc, const std::string& path)
{
    try {
        if (auto refused = replaceFile(path, circuitBytes(doc))) {
            return *refused;
        }
    } catch (const std::exception&) {
        return failure(SAVE_FAILED);
    }
    doc.SetModifiedFlag(false);
    return {};
}

}  // namespace kirvolt
