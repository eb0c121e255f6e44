#include <iomanip>
#include <string>

#include "cli/command.h"
#include "cli/json_writer.h"
#include "document/circuit_file.h"
#include "document/format_value.h"
#include "document/readable_value.h"

namespace kirvolt::cli {
namespace {

void writePoint(JsonWriter& json, std::string_view name, Point p)
{
    json.key(name);
    json.beginArray();
    json.value(p.x);
    json.value(p.y);
    json.endArray();
}

void writeRect(JsonWriter& json, std::string_view name, Rect r)
{
    json.key(name);
    json.beginArray();
    json.value(r.left);
    json.value(r.top);
    json.value(r.right);
    json.value(r.bottom);
    json.endArray();
}

void writeDocumentJson(JsonWriter& json, const CKirvoltDoc& doc)
{
    json.beginObject();
    json.field("formatMark", doc.formatMark);
    json.field("ammeterCount", doc.ammeterCount);
    json.field("voltageSourceCount", doc.voltageSourceCount);
    json.field("currentSourceCount", doc.currentSourceCount);
    json.field("jointCount", doc.jointCount);
    json.field("resistorCount", doc.resistorCount);
    json.field("voltmeterCount", doc.voltmeterCount);
    json.field("wireCount", doc.wireCount);
    json.field("spareCount", doc.spareCount);
    json.field("nextNodeNumber", doc.nextNodeNumber);
    json.field("gridSize", doc.gridSize);
    json.field("documentStyle", doc.documentStyle);
    json.field("datumNode", doc.datumNode);
    json.field("nodesValid", doc.nodesValid);
    json.field("nodeCount", doc.nodeCount);
    json.field("currentIndexBase", doc.currentIndexBase);
    json.field("branchCount", doc.branchCount);
    json.endObject();
}

void writeElementJson(JsonWriter& json, const CComponent& c)
{
    json.beginObject();
    json.field("class", c.className());
    json.field("arrowDirection", c.arrowDirection);
    json.field("datumMark", c.datumMark);
    json.field("current", c.current);
    json.field("pd", c.pd);
    json.field("startVoltage", c.startVoltage);
    json.field("finishVoltage", c.finishVoltage);
    json.field("startNode", c.startNode);
    json.field("finishNode", c.finishNode);
    json.field("colour", c.colour);
    writePoint(json, "startPoint", c.startPoint);
    writePoint(json, "finishPoint", c.finishPoint);
    writeRect(json, "hitRect", c.hitRect);
    json.field("name", c.name);
    json.field("label", c.label);
    json.field("value", c.value);
    json.field("displayState", c.displayState);
    json.field("orientation", c.orientation);
    json.field("connectorFlag", c.connectorFlag);
    json.field("resistorStyle", c.resistorStyle);
    json.field("kindCode", c.kindCode);
    writePoint(json, "position", c.position);
    writePoint(json, "gridPosition", c.gridPosition);
    writePoint(json, "gridStart", c.gridStart);
    writePoint(json, "gridFinish", c.gridFinish);
    json.endObject();
}

void printJson(std::ostream& out, const CKirvoltDoc& doc)
{
    JsonWriter json(out);
    json.beginObject();
    json.key("document");
    writeDocumentJson(json, doc);
    json.key("elements");
    json.beginArray();
    for (const auto& record : doc.components) {
        writeElementJson(json, *record);
    }
    json.endArray();
    json.endObject();
    out << '\n';
}

std::string gridText(Point p)
{
    std::string text = "(";
    text.append(std::to_string(p.x)).append(",").append(std::to_string(p.y)).append(")");
    return text;
}

std::string orientationText(int orientation)
{
    static const char* const names[] = {"East", "North", "West", "South"};
    return orientation >= ORIENT_EAST && orientation <= ORIENT_SOUTH ? names[orientation]
                                                                     : std::to_string(orientation);
}

std::string valueWithUnit(const CComponent& c)
{
    switch (c.kindCode) {
    case KIND_RESISTOR:
        return valueLabel(c.value, "ohm");
    case KIND_VOLTAGE_SOURCE:
        return valueLabel(c.value, "V");
    case KIND_CURRENT_SOURCE:
        return valueLabel(c.value, "A");
    default:
        return valueText(c.value);
    }
}

// Wires and joints show where they are; the other elements also their value and the
// results of the last analysis.
void printElement(std::ostream& out, std::size_t number, const CComponent& c)
{
    out << std::setw(5) << number << "  " << std::left << std::setw(15) << c.className() << std::right;
    if (c.kindCode == KIND_JOINT) {
        out << "label " << c.label << "  at " << gridText(c.gridPosition) << "  node " << c.startNode;
    } else {
        out << c.label;
        if (c.name != c.label) {
            out << " (name " << c.name << ")";
        }
        if (!isWireKind(c.kindCode)) {
            out << "  " << valueWithUnit(c) << "  " << orientationText(c.orientation);
        }
        out << "  " << gridText(c.gridStart) << "->" << gridText(c.gridFinish) << "  nodes " << c.startNode
            << "->" << c.finishNode;
        if (!isWireKind(c.kindCode)) {
            out << "  V " << equationNumber(c.startVoltage, 2) << "/" << equationNumber(c.finishVoltage, 2) << "  pd "
                << quantityText(c.pd, 2, "V") << "  I " << quantityText(c.current, 2, "A");
        }
    }
    out << '\n';
}

void printText(std::ostream& out, const CKirvoltDoc& doc)
{
    out << "Grid size " << doc.gridSize << ", datum node " << doc.datumNode << ", " << doc.nodeCount
        << " nodes (" << (doc.nodesValid ? "valid" : "not valid") << "), " << doc.branchCount << " branches\n"
        << "Counters: resistor " << doc.resistorCount << ", voltage source " << doc.voltageSourceCount
        << ", current source " << doc.currentSourceCount << ", voltmeter " << doc.voltmeterCount << ", ammeter "
        << doc.ammeterCount << ", wire " << doc.wireCount << ", joint " << doc.jointCount << ", spare "
        << doc.spareCount << ", next node " << doc.nextNodeNumber << '\n'
        << "Format mark " << doc.formatMark << ", document style " << doc.documentStyle
        << ", current index base " << doc.currentIndexBase << '\n'
        << doc.components.size() << " elements (grid coordinates)\n";
    std::size_t number = 0;
    for (const auto& record : doc.components) {
        printElement(out, ++number, *record);
    }
}

int runInfo(const Arguments& arguments, std::ostream& out, UserPort& port, const MethodList&)
{
    const bool json = arguments.size() == 2 && arguments[1] == "--json";
    if (arguments.empty() || (arguments.size() == 2 && !json) || arguments.size() > 2) {
        return BAD_USAGE;
    }
    CKirvoltDoc doc;
    if (const int status = fileStatus(loadCircuit(arguments[0], doc), port)) {
        return status;
    }
    if (json) {
        printJson(out, doc);
    } else {
        printText(out, doc);
    }
    return 0;
}

}  // namespace

const Command infoCommand = {
    "info",
    "info FILE [--json]",
    "      Prints the document settings of the circuit in FILE and one line per element.\n"
    "      With --json prints one JSON object {\"document\": {...}, \"elements\": [...]}\n"
    "      holding every stored field under its name.\n",
    runInfo,
};

}  // namespace kirvolt::cli
