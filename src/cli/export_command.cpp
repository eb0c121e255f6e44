#include "cli/analysis_options.h"
#include "cli/output_check.h"
#include "equations/method_equations.h"
#include "export/output_kind.h"
#include "export/export_files.h"

namespace kirvolt::cli {
namespace {

struct ExportOptions {
    std::string file;
    std::string out;
    int scale = 1;
    bool grid = true;
    bool analyse = false;
};

std::optional<ExportOptions> parseExportOptions(const Arguments& arguments)
{
    ExportOptions options;
    std::vector<std::string> names;
    bool haveScale = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--scale" && i + 1 < arguments.size() && !haveScale) {
            const std::optional<int> scale = parseInteger(arguments[++i]);
            if (!scale || *scale < PICTURE_SCALE_MIN || *scale > PICTURE_SCALE_MAX) {
                return std::nullopt;
            }
            options.scale = *scale;
            haveScale = true;
        } else if (argument == "--no-grid" && options.grid) {
            options.grid = false;
        } else if (argument == "--analyse" && !options.analyse) {
            options.analyse = true;
        } else if (!argument.starts_with("--") && names.size() < 2) {
            names.push_back(argument);
        } else {
            return std::nullopt;
        }
    }
    if (names.size() != 2) {
        return std::nullopt;
    }
    options.file = names[0];
    options.out = names[1];
    const OutputKind kind = outputKindOf(options.out);
    if (kind != OutputKind::png && kind != OutputKind::svg && kind != OutputKind::pdf) {
        return std::nullopt;
    }
    return options;
}

int runExport(const Arguments& arguments, std::ostream&, UserPort& port, const MethodList&)
{
    const std::optional<ExportOptions> options = parseExportOptions(arguments);
    if (!options) {
        return BAD_USAGE;
    }
    if (const auto refused = outputRefusal(options->file, options->out, Written::picture)) {
        return fileStatus(*refused, port);
    }
    CKirvoltDoc doc;
    if (options->analyse) {
        if (const int status = loadAndAnalyse(AnalysisOptions{options->file, {}, false, {}, {}, {}}, doc, port); status != 0) {
            return status;
        }
        writePanelEquations(doc);
    } else if (const int status = fileStatus(loadCircuit(options->file, doc), port)) {
        return status;
    }
    if (doc.components.empty()) {
        port.showMessage(EMPTY_PICTURE_MESSAGE);
        return EXIT_REFUSED;
    }
    const PictureOptions picture{options->grid, doc.display().showNodeNumbers == 1,
                                 options->analyse && doc.showEquations == 1, options->scale};
    return fileStatus(writePictureFile(doc, picture, options->out), port);
}

}  // namespace

const Command exportCommand = {
    "export",
    "export FILE OUT.png|OUT.svg|OUT.pdf [--scale K] [--no-grid] [--analyse]",
    "      Writes a picture of the schematic in FILE, cropped to the circuit with a margin\n"
    "      of one grid step; the ending of OUT chooses the format. --scale K (1 to 4) gives\n"
    "      K pixels per unit in a PNG and K times the size of an SVG; --no-grid leaves the\n"
    "      grid out; --analyse solves the circuit first, so that the picture shows the\n"
    "      datum and, when the circuit shows it, the equations panel. An empty circuit, or\n"
    "      one the analysis refuses, gives its message on standard error and exit 1.\n",
    runExport,
};

}  // namespace kirvolt::cli
