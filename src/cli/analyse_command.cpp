#include "analysis/results_text.h"
#include "cli/analysis_json.h"
#include "cli/analysis_options.h"
#include "cli/output_check.h"
#include "document/circuit_file.h"

namespace kirvolt::cli {
namespace {

void printJson(std::ostream& out, const CKirvoltDoc& doc)
{
    JsonWriter json(out);
    json.beginObject();
    json.field("datumNode", doc.datumNode);
    writeNodesAndComponents(json, doc);
    json.endObject();
    out << '\n';
}

void printResultsPane(std::ostream& out, const CKirvoltDoc& doc)
{
    for (const ResultsLine& line : resultsPaneLines(doc)) {
        out << line.plainText() << '\n';
    }
}

int runAnalyse(const Arguments& arguments, std::ostream& out, UserPort& port, const MethodList& methods)
{
    const std::optional<AnalysisOptions> options = parseAnalysisOptions(arguments, true, methods);
    if (!options) {
        return BAD_USAGE;
    }
    // Saving the solved circuit over its own file is a save, as File > Save after an analysis
    // is; only an ending that names another kind of file is refused.
    if (options->saveAs) {
        if (const auto refused = outputRefusal({}, *options->saveAs, Written::circuit)) {
            return fileStatus(*refused, port);
        }
    }
    CKirvoltDoc doc;
    if (const int status = loadAndAnalyse(*options, doc, port); status != 0) {
        return status;
    }
    if (options->saveAs) {
        if (const int status = fileStatus(saveCircuit(doc, *options->saveAs), port)) {
            return status;
        }
    }
    if (options->json) {
        printJson(out, doc);
    } else {
        printResultsPane(out, doc);
    }
    return 0;
}

}  // namespace

const Command analyseCommand = {
    "analyse",
    "analyse FILE [--datum N] [--method M] [--json] [--save OUT]",
    "      Solves the circuit in FILE by the node voltage method, as Analyse > Using >\n"
    "      Node Voltage Method does, and prints the lines of the results pane. --datum N\n"
    "      takes the node named N (or else numbered N) as the datum node; --json prints\n"
    "      {\"datumNode\": ..., \"nodes\": [...], \"components\": [...]} instead; --save OUT\n"
    "      writes the analysed circuit to OUT.\n"
    "      Each component's power is in W, positive where it absorbs, negative where it delivers.\n"
    "      A meter's reading is its current (an ammeter) or p.d. (a voltmeter) from its start\n"
    "      to its finish terminal; a meter that cannot read has null there and \"whyNot\".\n"
    "      A circuit the analysis refuses gives its message on standard error and exit 1.\n",
    runAnalyse,
};

}  // namespace kirvolt::cli
