#include <charconv>
#include <optional>

#include "analysis/nodal_analysis.h"
#include "cli/command.h"
#include "cli/json_writer.h"
#include "document/circuit_file.h"

namespace kirvolt::cli {
namespace {

// Exit status when the analysis refuses the circuit (its message goes to standard error).
constexpr int EXIT_REFUSED = 1;

struct AnalyseOptions {
    std::string file;
    std::optional<int> datum;
    bool json = false;
    std::optional<std::string> saveAs;
};

std::optional<int> parseInteger(const std::string& text)
{
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

// FILE and the options in any order, each at most once.
std::optional<AnalyseOptions> parseOptions(const Arguments& arguments)
{
    AnalyseOptions options;
    bool haveFile = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasNext = i + 1 < arguments.size();
        if (argument == "--json" && !options.json) {
            options.json = true;
        } else if (argument == "--datum" && hasNext && !options.datum) {
            options.datum = parseInteger(arguments[++i]);
            if (!options.datum) {
                return std::nullopt;
            }
        } else if (argument == "--save" && hasNext && !options.saveAs) {
            options.saveAs = arguments[++i];
        } else if (!argument.starts_with("--") && !haveFile) {
            options.file = argument;
            haveFile = true;
        } else {
            return std::nullopt;
        }
    }
    return haveFile ? std::optional(options) : std::nullopt;
}

// The voltage the solver wrote for the node: every record at the node carries it.
double nodeVoltage(const CKirvoltDoc& doc, int node)
{
    for (const auto& c : doc.components) {
        if (c->startNode == node) {
            return c->startVoltage;
        }
        if (c->finishNode == node) {
            return c->finishVoltage;
        }
    }
    return 0.0;
}

void writeComponent(JsonWriter& json, const CComponent& c)
{
    json.beginObject();
    json.field("name", c.name);
    json.field("label", c.label);
    json.field("kindCode", c.kindCode);
    json.field("value", c.value);
    json.field("startNode", c.startNode);
    json.field("finishNode", c.finishNode);
    json.field("startVoltage", c.startVoltage);
    json.field("finishVoltage", c.finishVoltage);
    json.field("pd", c.pd);
    json.field("current", c.current);
    json.endObject();
}

void printJson(std::ostream& out, const CKirvoltDoc& doc)
{
    JsonWriter json(out);
    json.beginObject();
    json.field("datumNode", doc.datumNode);
    json.key("nodes");
    json.beginArray();
    for (int k = 1; k <= doc.nodeCount; ++k) {
        json.beginObject();
        json.field("number", k);
        json.field("name", nodeName(doc, k));
        json.field("voltage", nodeVoltage(doc, k));
        json.endObject();
    }
    json.endArray();
    json.key("components");
    json.beginArray();
    for (const auto& c : doc.components) {
        if (!isWireKind(c->kindCode) && c->kindCode != KIND_JOINT) {
            writeComponent(json, *c);
        }
    }
    json.endArray();
    json.endObject();
    out << '\n';
}

void printResultsPane(std::ostream& out, const CKirvoltDoc& doc)
{
    for (const ResultsLine& line : buildResultsText(doc)) {
        out << line.plainText() << '\n';
    }
}

int runAnalyse(const Arguments& arguments, std::ostream& out, UserPort& port)
{
    const std::optional<AnalyseOptions> options = parseOptions(arguments);
    if (!options) {
        return BAD_USAGE;
    }
    CKirvoltDoc doc;
    doc.setPort(&port);
    if (const FileResult loaded = loadCircuit(options->file, doc); !loaded.ok) {
        port.showMessage(loaded.message);
        return EXIT_FAILED;
    }
    if (options->datum) {
        doc.datumNode = *options->datum;
    }
    if (!runNodalAnalysis(doc)) {
        return EXIT_REFUSED;
    }
    if (options->saveAs) {
        if (const FileResult saved = saveCircuit(doc, *options->saveAs); !saved.ok) {
            port.showMessage(saved.message);
            return EXIT_FAILED;
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
    "analyse FILE [--datum N] [--json] [--save OUT]",
    "      Solves the circuit in FILE by the node voltage method, as Analyse > Using >\n"
    "      Node Voltage Method does, and prints the lines of the results pane. --datum N\n"
    "      takes node N as the datum node; --json prints {\"datumNode\": ..., \"nodes\": [...],\n"
    "      \"components\": [...]} instead; --save OUT writes the analysed circuit to OUT.\n"
    "      A circuit the analysis refuses gives its message on standard error and exit 1.\n",
    runAnalyse,
};

}  // namespace kirvolt::cli
