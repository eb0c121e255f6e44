#include <filesystem>

#include "cli/analysis_options.h"
#include "cli/output_check.h"
#include "export/export_files.h"
#include "export/output_kind.h"

namespace kirvolt::cli {
namespace {

// FILE OUT [--datum N] [--method M] [--tree T] in any order; the file names may not start with "--".
std::optional<AnalysisOptions> parseReportOptions(const Arguments& arguments, std::string& out)
{
    Arguments analysis;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const bool valued = arguments[i] == "--datum" || arguments[i] == "--method" || arguments[i] == "--tree";
        if (valued && i + 1 < arguments.size()) {
            analysis.push_back(arguments[i]);
            analysis.push_back(arguments[++i]);
        } else if (!arguments[i].starts_with("--")) {
            names.push_back(arguments[i]);
        } else {
            return std::nullopt;
        }
    }
    if (names.size() != 2) {
        return std::nullopt;
    }
    analysis.push_back(names[0]);
    out = names[1];
    return parseAnalysisOptions(analysis, false);
}

int runReport(const Arguments& arguments, std::ostream&, UserPort& port)
{
    std::string out;
    const std::optional<AnalysisOptions> options = parseReportOptions(arguments, out);
    const OutputKind kind = outputKindOf(out);
    if (!options || (kind != OutputKind::html && kind != OutputKind::pdf)) {
        return BAD_USAGE;
    }
    if (const auto refused = outputRefusal(options->file, out, Written::picture)) {
        return fileStatus(*refused, port);
    }
    CKirvoltDoc doc;
    AnalysisOutcome analysis;
    if (const int status = loadAndAnalyse(*options, doc, port, analysis); status != 0) {
        return status;
    }
    const std::string name = std::filesystem::path(options->file).stem().string();
    const WorkedSolution solution = buildWorkedSolution(doc, name, analysis);
    return fileStatus(writeReportFile(doc, solution, out), port);
}

}  // namespace

const Command reportCommand = {
    "report",
    "report FILE OUT.html|OUT.pdf [--datum N] [--method M]",
    "      Solves the circuit in FILE as analyse does and writes its worked solution: the\n"
    "      schematic, the nodes and their joints, every node's equation lines, the modified\n"
    "      nodal system G x = b with its unknowns named, the results and the check that the\n"
    "      currents at each ordinary node sum to zero. A circuit the analysis refuses gives\n"
    "      its message on standard error and exit 1.\n",
    runReport,
};

}  // namespace kirvolt::cli
