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

// Every byte of the file. Failures carry the platform's text for the file error, naming the
// file as the user gave it.
FileResult readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// Writes the bytes beside the target and then puts them in its place, so that a failed write
// leaves the previous file as it was.
FileResult replaceFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace kirvolt
