#pragma once

#include <optional>
#include <string>

#include "document/file_access.h"

namespace kirvolt::cli {

// What a command writes, for the ending its output may have.
enum class Written { circuit, netlist, picture };

// Why the command must not write to output, checked before anything is read or written: the
// output is the input (empty for a command that reads no file), which the write would
// destroy, or its ending names another kind of file than the one written (a netlist in a .kvt,
// a circuit in a .cir, either in a picture).
std::optional<FileResult> outputRefusal(const std::string& input, const std::string& output, Written what);

}  // namespace kirvolt::cli
