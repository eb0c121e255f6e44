#include <algorithm>

#include "cli/analysis_options.h"
#include "export/matrix_form.h"

namespace kirvolt::cli {
namespace {

int runMatrix(const Arguments& arguments, std::ostream& out, UserPort& port, const MethodList& methods)
{
    const std::string latexFlag = "--latex";
    const auto latexFlags = std::count(arguments.begin(), arguments.end(), latexFlag);
    const bool latex = latexFlags > 0;
    Arguments analysis = arguments;
    analysis.erase(std::remove(analysis.begin(), analysis.end(), latexFlag), analysis.end());
    const std::optional<AnalysisOptions> options = parseAnalysisOptions(analysis, false, methods);
    if (!options || options->json || latexFlags > 1) {
        return BAD_USAGE;
    }
    CKirvoltDoc doc;
    AnalysisOutcome outcome;
    if (const int status = loadAndAnalyse(*options, doc, port, outcome); status != 0) {
        return status;
    }
    if (const auto refusal = matrixFormRefusal(outcome.unknownCount.value_or(0))) {
        port.showMessage(*refusal);
        return EXIT_REFUSED;
    }
    // A solved system within the limit is always kept.
    const NamedSystem& system = *outcome.system;
    out << (latex ? matrixFormLatex(system) : matrixFormText(system));
    return 0;
}

}  // namespace

const Command matrixCommand = {
    "matrix",
    "matrix FILE [--datum N] [--method M] [--latex]",
    "      Solves the circuit in FILE as analyse does and prints its modified nodal system\n"
    "      G x = b: the unknowns (the voltage of every node but the datum, the current of\n"
    "      every voltage source), one line per equation with the columns of G headed by\n"
    "      their unknowns, and the solution. --latex prints the same as a LaTeX fragment\n"
    "      for a document that loads amsmath. A circuit the analysis refuses gives its\n"
    "      message on standard error and exit 1, as does a system of more than 200 unknowns.\n",
    runMatrix,
};

}  // namespace kirvolt::cli
