#pragma once

#include "cli/command.h"
#include "document/circuit_document.h"
#include "document/file_access.h"

namespace kirvolt::cli {

// The body of the commands that turn one file into a circuit file: reads the first argument
// with `read`, saves the circuit to the second as the program saves it, and says on the port
// what failed.
int readAndSave(const Arguments& arguments, UserPort& port, FileResult (*read)(const std::string& path, CKirvoltDoc& doc));

}  // namespace kirvolt::cli
