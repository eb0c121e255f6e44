#include "cli/analysis_json.h"
#include "cli/analysis_options.h"
#include "theorems/superposition_text.h"

namespace kirvolt::cli {
namespace {

void printJson(std::ostream& out, const std::vector<SuperpositionPart>& parts)
{
    JsonWriter json(out);
    json.beginArray();
    for (const SuperpositionPart& part : parts) {
        json.beginObject();
        json.field("source", part.source->label);
        writeNodesAndComponents(json, *part.doc);
        json.endObject();
    }
    json.endArray();
    out << '\n';
}

int runSuperpose(const Arguments& arguments, std::ostream& out, UserPort& port, const MethodList&)
{
    const std::optional<AnalysisOptions> options = parseAnalysisOptions(arguments, false);
    if (!options || options->method) {
        return BAD_USAGE;
    }
    CKirvoltDoc doc;
    if (const int status = loadAndAnalyse(*options, doc, port); status != 0) {
        return status;
    }
    const std::variant<std::vector<SuperpositionPart>, std::string> parts = superpose(doc);
    if (const auto* refusal = std::get_if<std::string>(&parts)) {
        port.showMessage(*refusal);
        return EXIT_REFUSED;
    }
    if (options->json) {
        printJson(out, std::get<0>(parts));
    } else {
        for (const std::string& line : superpositionLines(std::get<0>(parts), doc)) {
            out << line << '\n';
        }
    }
    return 0;
}

}  // namespace

const Command superposeCommand = {
    "superpose",
    "superpose FILE [--datum N] [--json]",
    "      Solves the circuit in FILE once for each voltage and current source with every\n"
    "      other source set to zero (a voltage source shorted, a current source opened),\n"
    "      prints each part's results and every node voltage, p.d. and current as the sum\n"
    "      of the parts beside the full analysis. --json prints a list of the parts instead,\n"
    "      each {\"source\": ..., \"nodes\": [...], \"components\": [...]} as analyse --json\n"
    "      gives them. A circuit the analysis refuses gives its message on standard error\n"
    "      and exit 1.\n",
    runSuperpose,
};

}  // namespace kirvolt::cli
