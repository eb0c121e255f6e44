#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kirvolt {

// The outcome of reading or writing a file; the message is the text to show the user and is
// empty on success.
struct FileResult {
    bool ok = true;
    std::string message;
};

FileResult failure(std::string message);

// What reading or writing a document reports when it fails for a reason other than a file error.
inline constexpr const char* FAILED_TO_OPEN = "Failed to open document.";
inline constexpr const char* FAILED_TO_SAVE = "Failed to save document.";

// No circuit that fits the drawing area needs a larger file: a record at every grid point
// of the drawing area at the finest grid (251,001 points) with names of a dozen characters
// takes under 45 MB. Files, pipes and devices are read no further.
inline constexpr std::size_t MAX_READ_BYTES = std::size_t{64} << 20;

enum class FileAction { open, save };

// "Kirvolt could not save ladder.kvt: the disk is full.": the file as the user gave it and
// the reason, the end of a sentence.
std::string fileFailureText(const std::string& path, FileAction action, const std::string& reason);

// What the user is told when reading or writing the file failed with the error number: the
// desktop's own texts for a missing file, a bad path, a refused access and a file in use, and
// fileFailureText with the reason for every other error.
FileResult fileErrorResult(const std::string& path, int error, FileAction action);

// Whether two paths name one file that exists (through links, or by another spelling).
bool namesOneFile(const std::string& a, const std::string& b);

// Every byte of the file, refused above MAX_READ_BYTES. Failures carry the platform's text for the file error, naming the
// file as the user gave it.
FileResult readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// Writes the bytes beside the target and then puts them in its place, so that a failed write
// leaves the previous file as it was.
FileResult replaceFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace kirvolt
