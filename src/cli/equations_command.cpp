#include "analysis/node_names.h"
#include "cli/analysis_options.h"
#include "cli/json_writer.h"
#include "equations/all_equations.h"

namespace kirvolt::cli {
namespace {

const std::string& equationLine(const CKirvoltDoc& doc, int node, int line)
{
    return doc.equationText[static_cast<std::size_t>(node)][static_cast<std::size_t>(line)];
}

void printJson(std::ostream& out, const CKirvoltDoc& doc)
{
    JsonWriter json(out);
    json.beginObject();
    json.key("equations");
    json.beginObject();
    for (int node = 1; node <= doc.nodeCount; ++node) {
        json.key(nodeName(doc, node));
        json.beginArray();
        for (int line = 1; line <= CKirvoltDoc::EQUATION_LINES; ++line) {
            json.value(equationLine(doc, node, line));
        }
        json.endArray();
    }
    json.endObject();
    json.endObject();
    out << '\n';
}

void printText(std::ostream& out, const CKirvoltDoc& doc)
{
    for (int node = 1; node <= doc.nodeCount; ++node) {
        out << "Node " << nodeName(doc, node) << ":\n";
        for (int line = 1; line <= CKirvoltDoc::EQUATION_LINES; ++line) {
            out << equationLine(doc, node, line) << '\n';
        }
    }
}

int runEquations(const Arguments& arguments, std::ostream& out, UserPort& port)
{
    const std::optional<AnalysisOptions> options = parseAnalysisOptions(arguments, false);
    if (!options) {
        return BAD_USAGE;
    }
    CKirvoltDoc doc;
    if (const int status = loadAndAnalyse(*options, doc, port); status != 0) {
        return status;
    }
    writeAllEquations(doc);
    if (options->json) {
        printJson(out, doc);
    } else {
        printText(out, doc);
    }
    return 0;
}

}  // namespace

const Command equationsCommand = {
    "equations",
    "equations FILE [--datum N] [--method M] [--json]",
    "      Solves the circuit in FILE as analyse does and prints the equation text of every\n"
    "      node: \"Node name:\" and the node's six lines (the equation in words, the difference\n"
    "      form, the collected forms with names, values and numbers, the node voltage), an\n"
    "      unwritten line left empty. --datum N takes node N as the datum node; --json prints\n"
    "      {\"equations\": {\"name\": [six lines], ...}} instead. A circuit the analysis refuses\n"
    "      gives its message on standard error and exit 1.\n",
    runEquations,
};

}  // namespace kirvolt::cli
