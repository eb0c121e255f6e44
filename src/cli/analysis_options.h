#pragma once

#include <optional>
#include <string>

#include "cli/command.h"
#include "document/circuit_document.h"

namespace kirvolt::cli {

// Exit status when the analysis refuses the circuit (its message goes to standard error).
inline constexpr int EXIT_REFUSED = 1;

// The command line of the commands that analyse a circuit file: FILE [--datum N] [--json],
// and [--save OUT] where the command offers it.
struct AnalysisOptions {
    std::string file;
    std::optional<std::string> datum;  // a node's name, or its number
    bool json = false;
    std::optional<std::string> saveAs;
};

// A whole decimal number, or none.
std::optional<int> parseInteger(const std::string& text);

// FILE and the options in any order, each at most once; empty when they do not fit.
std::optional<AnalysisOptions> parseAnalysisOptions(const Arguments& arguments, bool offersSave);

// Reads FILE into the document, takes the chosen datum node and runs the Node Voltage Method.
// Returns 0 when the circuit was solved, EXIT_FAILED when the file cannot be read or the chosen
// datum is no node of the circuit, and EXIT_REFUSED when the analysis refuses the circuit; the
// messages go through the port.
int loadAndAnalyse(const AnalysisOptions& options, CKirvoltDoc& doc, UserPort& port);

}  // namespace kirvolt::cli
