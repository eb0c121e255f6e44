#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_method.h"
#include "cli/command.h"
#include "document/circuit_document.h"
#include "equations/method_equations.h"

namespace kirvolt::cli {

// Exit status when the analysis refuses the circuit (its message goes to standard error).
inline constexpr int EXIT_REFUSED = 1;

// The command line of the commands that analyse a circuit file: FILE [--datum N]
// [--method M [--tree B,B,...]] [--json], and [--save OUT] where the command offers it.
struct AnalysisOptions {
    std::string file;
    std::optional<std::string> datum;  // a node's name, or its number
    bool json = false;
    std::optional<std::string> saveAs;
    std::optional<std::string> method;  // the default method when none is given
    std::shared_ptr<const AnalysisMethod> overTree;  // the loop current method over --tree's branches
    const MethodList* methods = &knownMethodList();  // those --method may name
};

// The method --method names (over the tree --tree names), the first of the methods when it
// names none; none when it names none of them.
const AnalysisMethod* chosenMethod(const AnalysisOptions& options);

// The names of "R1,R2,E1", as --tree gives them; none when a name is empty.
std::optional<std::vector<std::string>> treeNames(const std::string& text);

// A whole decimal number, or none.
std::optional<int> parseInteger(const std::string& text);

// FILE and the options in any order, each at most once; empty when they do not fit, among
// them a tree without the loop current method or with a name left empty.
std::optional<AnalysisOptions> parseAnalysisOptions(const Arguments& arguments, bool offersSave,
                                                    const MethodList& methods = knownMethodList());

// Reads FILE into the document, takes the chosen datum node and runs the chosen method.
// Returns 0 when the circuit was solved, BAD_USAGE (with the methods on the port) when the
// method is none of them, EXIT_FAILED when the file cannot be read or the chosen
// datum is no node of the circuit, and EXIT_REFUSED when the analysis refuses the circuit; the
// messages go through the port.
int loadAndAnalyse(const AnalysisOptions& options, CKirvoltDoc& doc, UserPort& port);
// The same, giving what the analysis returned, for the commands that show its system.
int loadAndAnalyse(const AnalysisOptions& options, CKirvoltDoc& doc, UserPort& port, AnalysisOutcome& outcome);

}  // namespace kirvolt::cli
