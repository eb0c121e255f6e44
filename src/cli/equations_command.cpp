#include "cli/analysis_options.h"
#include "cli/json_writer.h"
#include "equations/method_equations.h"

namespace kirvolt::cli {
namespace {

// {"equations": {"name": [lines], ...}} for a keyed list, {"meshes": [[lines], ...]} for one
// in sequence.
void printJson(std::ostream& out, const EquationList& list)
{
    JsonWriter json(out);
    json.beginObject();
    json.key(list.listName);
    if (list.keyed) {
        json.beginObject();
    } else {
        json.beginArray();
    }
    for (const EquationBlock& block : list.blocks) {
        if (list.keyed) {
            json.key(block.key);
        }
        json.beginArray();
        for (const std::string& line : block.lines) {
            json.value(line);
        }
        json.endArray();
    }
    if (list.keyed) {
        json.endObject();
    } else {
        json.endArray();
    }
    json.endObject();
    out << '\n';
}

int runEquations(const Arguments& arguments, std::ostream& out, UserPort& port, const MethodList& methods)
{
    const std::optional<AnalysisOptions> options = parseAnalysisOptions(arguments, false, methods);
    if (!options) {
        return BAD_USAGE;
    }
    CKirvoltDoc doc;
    if (const int status = loadAndAnalyse(*options, doc, port); status != 0) {
        return status;
    }
    const AnalysisMethod& method = *chosenMethod(*options);
    const std::unique_ptr<MethodEquations> overTree = equationsOverChosenTree(method);
    const MethodEquations* equations = overTree ? overTree.get() : methods.of(method);
    if (equations == nullptr) {
        port.showMessage("The " + method.name() + " method writes no equations.");
        return EXIT_REFUSED;
    }
    auto written = equations->write(doc);
    if (const auto* why = std::get_if<Explanation>(&written)) {
        port.showMessage(why->message, why->highlight);
        return EXIT_REFUSED;
    }
    const EquationList& list = std::get<EquationList>(written);
    if (options->json) {
        printJson(out, list);
    } else {
        out << equationListText(list);
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
    "      names, with values, with numbers), or {\"meshes\": [[four lines], ...]}; with --method\n"
    "      loop every chord's loop: \"Loop of R3:\" and the same four lines, or\n"
    "      {\"loops\": {\"R3\": [four lines], ...}}.\n",
    runEquations,
};

}  // namespace kirvolt::cli
