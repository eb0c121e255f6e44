#include <algorithm>

#include "cli/analysis_options.h"
#include "cli/json_writer.h"
#include "formulas/node_formulas.h"

namespace kirvolt::cli {
namespace {

int runFormulas(const Arguments& given, std::ostream& out, UserPort& port, const MethodList&)
{
    Arguments arguments = given;
    const auto latexFlag = std::find(arguments.begin(), arguments.end(), "--latex");
    const bool latex = latexFlag != arguments.end();
    if (latex) {
        arguments.erase(latexFlag);
    }
    const std::optional<AnalysisOptions> options = parseAnalysisOptions(arguments, false);
    if (!options || options->method || (latex && options->json)) {
        return BAD_USAGE;
    }
    CKirvoltDoc doc;
    if (const int status = loadAndAnalyse(*options, doc, port); status != 0) {
        return status;
    }
    const std::variant<std::vector<NodeFormula>, std::string> formulas = nodeFormulas(doc);
    if (const auto* refusal = std::get_if<std::string>(&formulas)) {
        port.showMessage(*refusal);
        return EXIT_REFUSED;
    }
    if (options->json) {
        JsonWriter json(out);
        json.beginObject();
        json.key("nodes");
        json.beginArray();
        for (const NodeFormula& f : std::get<0>(formulas)) {
            json.beginObject();
            json.field("number", f.node);
            json.field("name", f.name);
            json.field("formula", f.text);
            json.field("latex", f.latex);
            json.field("voltage", f.value);
            json.endObject();
        }
        json.endArray();
        json.endObject();
        out << '\n';
        return 0;
    }
    for (const NodeFormula& f : std::get<0>(formulas)) {
        out << (latex ? "V_{" + f.name + "} = " + f.latex : "V" + f.name + " = " + f.text) << '\n';
    }
    return 0;
}

}  // namespace

const Command formulasCommand = {
    "formulas",
    "formulas FILE [--datum N] [--latex | --json]",
    "      Solves the node equations of the circuit in FILE in letters and prints every node\n"
    "      voltage as a formula in the elements' names, \"V2 = E1*R2/(R1+R2)\"; --latex prints\n"
    "      them as LaTeX, --json {\"nodes\": [{\"number\", \"name\", \"formula\", \"latex\",\n"
    "      \"voltage\"}, ...]}, the voltage being the formula's value. Needs a build with GiNaC\n"
    "      and at most 6 unknowns; otherwise, or when the analysis refuses the circuit, the\n"
    "      message goes to standard error and the exit status is 1.\n",
    runFormulas,
};

}  // namespace kirvolt::cli
