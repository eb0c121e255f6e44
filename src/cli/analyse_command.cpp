#include "analysis/element_power.h"
#include "analysis/named_system.h"
#include "analysis/node_names.h"
#include "analysis/results_text.h"
#include "cli/analysis_options.h"
#include "cli/json_writer.h"
#include "cli/output_check.h"
#include "document/circuit_file.h"

namespace kirvolt::cli {
namespace {

// A meter's reading is its own current (ammeter) or p.d. (voltmeter); one that cannot read
// has none, and says why.
void writeReadingOrNot(JsonWriter& json, const CKirvoltDoc& doc, const CComponent& c, std::string_view member,
                       double value)
{
    const MeterReading* reading = doc.currentReading(c);
    if (reading != nullptr && !reading->reads) {
        json.key(member);
        json.null();
        json.field("whyNot", reading->whyNot);
    } else {
        json.field(member, value);
    }
}

void writeComponent(JsonWriter& json, const CKirvoltDoc& doc, const CComponent& c)
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
    if (c.kindCode == KIND_VOLTMETER) {
        json.field("current", c.current);
        writeReadingOrNot(json, doc, c, "pd", c.pd);
    } else {
        json.field("pd", c.pd);
        if (c.kindCode == KIND_AMMETER) {
            writeReadingOrNot(json, doc, c, "current", c.current);
        } else {
            json.field("current", c.current);
        }
    }
    json.field("power", absorbedPower(c));
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
        json.field("voltage", solvedNodeVoltage(doc, k));
        json.endObject();
    }
    json.endArray();
    json.key("components");
    json.beginArray();
    for (const auto& c : doc.components) {
        if (!isWireKind(c->kindCode) && c->kindCode != KIND_JOINT) {
            writeComponent(json, doc, *c);
        }
    }
    json.endArray();
    json.endObject();
    out << '\n';
}

void printResultsPane(std::ostream& out, const CKirvoltDoc& doc)
{
    for (const ResultsLine& line : resultsPaneLines(doc)) {
        out << line.plainText() << '\n';
    }
}

int runAnalyse(const Arguments& arguments, std::ostream& out, UserPort& port)
{
    const std::optional<AnalysisOptions> options = parseAnalysisOptions(arguments, true);
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
