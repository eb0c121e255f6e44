#include "cli/analysis_options.h"
#include "equations/equation_check.h"

namespace kirvolt::cli {
namespace {

// Exit statuses of a check: the equation is right, or wrong; one that cannot be read, like a
// circuit that cannot be checked against, gives EXIT_FAILED.
constexpr int EXIT_RIGHT = 0;
constexpr int EXIT_WRONG = 1;

struct CheckOptions {
    AnalysisOptions analysis;
    std::string node;
    std::string equation;
};

// FILE, --node NAME, --datum N and --method M in any order; the words after FILE make up the equation, so
// that it may be given with or without quotes.
std::optional<CheckOptions> parseCheckOptions(const Arguments& arguments)
{
    CheckOptions options;
    bool haveFile = false;
    bool haveNode = false;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasNext = i + 1 < arguments.size();
        if (argument == "--node" && hasNext && !haveNode) {
            options.node = arguments[++i];
            haveNode = true;
        } else if (argument == "--datum" && hasNext && !options.analysis.datum) {
            options.analysis.datum = arguments[++i];
        } else if (argument == "--method" && hasNext && !options.analysis.method) {
            options.analysis.method = arguments[++i];
        } else if (argument.starts_with("--")) {
            return std::nullopt;
        } else if (!haveFile) {
            options.analysis.file = argument;
            haveFile = true;
        } else {
            words.push_back(argument);
        }
    }
    for (const std::string& word : words) {
        options.equation += (options.equation.empty() ? "" : " ") + word;
    }
    if (!haveFile || !haveNode || words.empty()) {
        return std::nullopt;
    }
    return options;
}

int runCheck(const Arguments& arguments, std::ostream& out, UserPort& port)
{
    const std::optional<CheckOptions> options = parseCheckOptions(arguments);
    if (!options) {
        return BAD_USAGE;
    }
    CKirvoltDoc doc;
    if (const int status = loadAndAnalyse(options->analysis, doc, port); status != 0) {
        return status == BAD_USAGE ? BAD_USAGE : EXIT_FAILED;
    }
    const std::optional<int> node = nodeNamed(doc, options->node);
    if (!node) {
        port.showMessage("There is no node called \xE2\x80\x9C" + options->node + "\xE2\x80\x9D in this circuit.");
        return EXIT_FAILED;
    }
    const EquationVerdict verdict = checkNodeEquation(doc, *node, options->equation);
    out << verdict.message << '\n';
    switch (verdict.kind) {
    case EquationVerdict::Kind::Right:
        return EXIT_RIGHT;
    case EquationVerdict::Kind::Wrong:
        return EXIT_WRONG;
    case EquationVerdict::Kind::Unreadable:
        break;
    }
    return EXIT_FAILED;
}

}  // namespace

const Command checkCommand = {
    "check",
    "check FILE --node NAME [--datum N] [--method M] EQUATION",
    "      Solves the circuit in FILE as analyse does and checks EQUATION as the KCL equation of\n"
    "      the node called NAME (for a node of a macro node, the macro node's combined equation),\n"
    "      as Tutor > Check My Node Equation does: node voltages are V and the node's name (V2),\n"
    "      element names stand for their values (R1, E1, J1), numbers may carry a prefix (4.7k).\n"
    "      Prints the verdict and exits with 0 when the equation is right, 1 when it is wrong\n"
    "      and 2 when it cannot be read, NAME is no node, or the analysis refuses the circuit\n"
    "      (its message on standard error).\n",
    runCheck,
};

}  // namespace kirvolt::cli
