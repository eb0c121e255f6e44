#include <filesystem>

#include "cli/analysis_options.h"
#include "cli/output_check.h"
#include "export/export_files.h"
#include "export/output_kind.h"
#include "reporting/theorem_sections.h"

namespace kirvolt::cli {
namespace {

// FILE OUT [--datum N] [--method M] [--tree T] and the sections asked for, in any order,
// each at most once; the file names may not start with "--".
std::optional<AnalysisOptions> parseReportOptions(const Arguments& arguments, std::string& out, SectionRequest& sections,
                                                  const MethodList& methods)
{
    Arguments analysis;
    std::vector<std::string> names;
    TheveninQuestion question;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if ((option == "--datum" || option == "--method" || option == "--tree") && i + 1 < arguments.size()) {
            analysis.push_back(option);
            analysis.push_back(arguments[++i]);
        } else if (option == "--thevenin" && i + 2 < arguments.size() && !question.a) {
            question.a = arguments[++i];
            question.b = arguments[++i];
        } else if (option == "--thevenin-load" && i + 1 < arguments.size() && !question.load) {
            question.load = arguments[++i];
        } else if (option == "--superposition" && !sections.superposition) {
            sections.superposition = true;
        } else if (option == "--formulas" && !sections.formulas) {
            sections.formulas = true;
        } else if (!option.starts_with("--")) {
            names.push_back(option);
        } else {
            return std::nullopt;
        }
    }
    if (names.size() != 2) {
        return std::nullopt;
    }
    if (question.a || question.load) {
        sections.thevenin = question;
    }
    analysis.push_back(names[0]);
    out = names[1];
    return parseAnalysisOptions(analysis, false, methods);
}

int runReport(const Arguments& arguments, std::ostream&, UserPort& port, const MethodList& methods)
{
    std::string out;
    SectionRequest request;
    const std::optional<AnalysisOptions> options = parseReportOptions(arguments, out, request, methods);
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
    // The method was found among the methods, or is the loop current method over --tree's tree.
    const AnalysisMethod& method = *chosenMethod(*options);
    const std::unique_ptr<MethodEquations> overTree = equationsOverChosenTree(method);
    WorkedSolution solution = buildWorkedSolution(doc, name, analysis, overTree ? *overTree : *methods.of(method));
    auto sections = theoremSections(doc, request);
    if (const auto* refusal = std::get_if<std::string>(&sections)) {
        port.showMessage(*refusal);
        return EXIT_REFUSED;
    }
    solution.sections = std::move(std::get<0>(sections));
    return fileStatus(writeReportFile(doc, solution, out), port);
}

}  // namespace

const Command reportCommand = {
    "report",
    "report FILE OUT.html|OUT.pdf [--datum N] [--method M] [--thevenin A B] [--thevenin-load NAME] [--superposition] "
    "[--formulas]",
    "      Solves the circuit in FILE as analyse does and writes its worked solution: the\n"
    "      schematic, the nodes and their joints, every equation of the method in its lines\n"
    "      (with --method mesh each mesh with its clockwise current and the elements round\n"
    "      it first), the method's system (G x = b, or R I = E for meshes) with its unknowns\n"
    "      named, the results and the check: the currents at each ordinary node, or the\n"
    "      voltage drops round each mesh, sum to zero. --thevenin A B and --thevenin-load\n"
    "      NAME add the Th\xC3\xA9venin and Norton equivalents as thevenin --between A B and\n"
    "      --load NAME work them out, --superposition the parts superpose gives and\n"
    "      --formulas the node voltages as formulas, or why this build or circuit has none.\n"
    "      A circuit the analysis refuses, or a Th\xC3\xA9venin question about no node or\n"
    "      resistor of it, gives its message on standard error and exit 1.\n",
    runReport,
};

}  // namespace kirvolt::cli
