#include "analysis/mesh_method.h"
#include "analysis/node_names.h"
#include "cli/analysis_options.h"
#include "cli/json_writer.h"
#include "equations/all_equations.h"
#include "equations/mesh_equation.h"

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

// Mesh k's four lines, as "Mesh k:" and its words, names, values and numbers.
int printMeshEquations(std::ostream& out, const CKirvoltDoc& doc, bool asJson, UserPort& port)
{
    auto written = writeMeshEquations(doc);
    if (const auto* why = std::get_if<Explanation>(&written)) {
        port.showMessage(why->message, why->highlight);
        return EXIT_REFUSED;
    }
    const auto& equations = std::get<std::vector<MeshEquation>>(written);
    JsonWriter json(out);
    if (asJson) {
        json.beginObject();
        json.key("meshes");
        json.beginArray();
    }
    for (std::size_t k = 0; k < equations.size(); ++k) {
        const MeshEquation& e = equations[k];
        if (asJson) {
            json.beginArray();
            for (const std::string& line : {e.words, e.names, e.values, e.numbers}) {
                json.value(line);
            }
            json.endArray();
        } else {
            out << "Mesh " << k + 1 << ":\n" << e.words << '\n' << e.names << '\n' << e.values << '\n' << e.numbers << '\n';
        }
    }
    if (asJson) {
        json.endArray();
        json.endObject();
        out << '\n';
    }
    return 0;
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
    if (chosenMethod(*options) == &meshMethod()) {
        return printMeshEquations(out, doc, options->json, port);
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
    "      gives its message on standard error and exit 1. With --method mesh it prints every\n"
    "      mesh's equation instead: \"Mesh k:\" and four lines (the equation in words, with\n"
    "      names, with values, with numbers), or {\"meshes\": [[four lines], ...]}.\n",
    runEquations,
};

}  // namespace kirvolt::cli
