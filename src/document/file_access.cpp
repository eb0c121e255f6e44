#include "document/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>

#include "document/wording.h"

namespace kirvolt {
namespace {

constexpr std::size_t READ_STEP = 1 << 16;
constexpr const char* TOO_LARGE_REASON = WORDING_NOOP("FileAccess", "it is larger than any circuit of the drawing area could be");

// How many names beside the target a save tries for its temporary file.
constexpr int TEMPORARY_NAME_ATTEMPTS = 100;

// What went wrong, as the end of a sentence that names the file.
std::string reasonText(int error)
{
    switch (error) {
    case ENOSPC:
        return wording("FileAccess", "the disk is full");
    case EDQUOT:
        return wording("FileAccess", "the disk quota is used up");
    case EFBIG:
        return wording("FileAccess", "the file is larger than the disk or the system allows");
    case EIO:
        return wording("FileAccess", "the disk reported an error");
    case ENOMEM:
        return wording("FileAccess", "there is not enough memory");
    case EMFILE:
    case ENFILE:
        return wording("FileAccess", "too many files are open");
    default: {
        std::string text = std::strerror(error);
        if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') {
            text[0] = static_cast<char>(text[0] - 'A' + 'a');
        }
        return text;
    }
    }
}

// The desktop platform's texts for the file errors it names; every other error in the
// program's own words, naming the file and the reason.
FileResult fileError(const std::string& path, int error, FileAction action)
{
    switch (error) {
    case ENOENT:
        return failure(fillIn(wording("FileAccess", "%1 was not found."), {path}));
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
        return failure(fillIn(wording("FileAccess", "%1 contains an invalid path."), {path}));
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return failure(fillIn(wording("FileAccess", "Access to %1 was denied."), {path}));
    case EBUSY:
    case ETXTBSY:
        return failure(fillIn(wording("FileAccess", "A sharing violation occurred while accessing %1."), {path}));
    default:
        return failure(fileFailureText(path, action, reasonText(error != 0 ? error : EIO)));
    }
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Reads at most MAX_READ_BYTES and one byte more, so that a device or a pipe that never ends
// costs no more than the largest file would.
std::optional<FileResult> readInto(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    errno = 0;
    const FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return fileError(path, errno, FileAction::open);
    }
    struct stat status {};
    const bool regular = ::fstat(::fileno(file.get()), &status) == 0 && S_ISREG(status.st_mode);
    if (regular && static_cast<std::uint64_t>(status.st_size) > MAX_READ_BYTES) {
        return failure(fileFailureText(path, FileAction::open, wording("FileAccess", TOO_LARGE_REASON)));
    }
    // One read when the size is known; one byte more is asked for to meet the end.
    std::size_t step = regular ? static_cast<std::size_t>(status.st_size) + 1 : READ_STEP;
    std::size_t used = 0;
    for (;;) {
        bytes.resize(used + step);
        const std::size_t got = std::fread(bytes.data() + used, 1, step, file.get());
        used += got;
        if (used > MAX_READ_BYTES) {
            bytes.clear();
            return failure(fileFailureText(path, FileAction::open, wording("FileAccess", TOO_LARGE_REASON)));
        }
        if (got < step) {
            break;
        }
        step = std::min<std::size_t>(READ_STEP, MAX_READ_BYTES + 1 - used);
    }
    bytes.resize(used);
    if (std::ferror(file.get())) {
        return fileError(path, errno, FileAction::open);
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
        return fileError(shown, errno, FileAction::save);
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
            return fileError(shown, errno, FileAction::save);
        }
    }
    return fileError(shown, EEXIST, FileAction::save);
}

// Zero, or the error number of the first step that failed.
int writeAndClose(FileHandle& file, std::span<const std::uint8_t> bytes)
{
    errno = 0;
    // Synced before the rename, so that a power cut leaves either the old file or the whole
    // new one and never a name pointing at blocks the disk has not written.
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                         std::fflush(file.get()) == 0 && ::fsync(::fileno(file.get())) == 0;
    int error = written ? 0 : (errno != 0 ? errno : EIO);
    errno = 0;
    if (std::fclose(file.release()) != 0 && error == 0) {
        error = errno != 0 ? errno : EIO;
    }
    return error;
}

// The rename itself lives in the folder, which is synced once it holds the new name.
int syncFolderOf(const std::string& target)
{
    const std::filesystem::path parent = std::filesystem::path(target).parent_path();
    const int folder = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        return errno;
    }
    const int error = ::fsync(folder) == 0 ? 0 : errno;
    ::close(folder);
    // Some file systems cannot sync a folder; the file itself is on the disk by then.
    return error == EINVAL || error == EROFS ? 0 : error;
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

std::optional<FileResult> replaceWith(const std::string& path, std::span<const std::uint8_t> bytes)
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
        return fileError(path, error, FileAction::save);
    }
    keepPermissions(target, temporary);
    errno = 0;
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary.c_str());
        return fileError(path, error, FileAction::save);
    }
    if (const int error = syncFolderOf(target); error != 0) {
        return fileError(path, error, FileAction::save);
    }
    return std::nullopt;
}

}  // namespace

FileResult failure(std::string message)
{
    return {false, std::move(message)};
}

FileResult readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    try {
        if (auto refused = readInto(path, bytes)) {
            return *refused;
        }
    } catch (const std::exception&) {
        bytes.clear();
        return fileError(path, ENOMEM, FileAction::open);
    }
    return {};
}

FileResult replaceFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    try {
        if (auto refused = replaceWith(path, bytes)) {
            return *refused;
        }
    } catch (const std::exception&) {
        return fileError(path, ENOMEM, FileAction::save);
    }
    return {};
}

bool namesOneFile(const std::string& a, const std::string& b)
{
    std::error_code unknown;
    return std::filesystem::equivalent(a, b, unknown) && !unknown;
}

std::string fileFailureText(const std::string& path, FileAction action, const std::string& reason)
{
    return fillIn(action == FileAction::open ? wording("FileAccess", "Kirvolt could not open %1: %2.")
                                             : wording("FileAccess", "Kirvolt could not save %1: %2."),
                  {path, reason});
}

FileResult fileErrorResult(const std::string& path, int error, FileAction action)
{
    return fileError(path, error, action);
}

}  // namespace kirvolt
