#include "cli/analysis_json.h"

#include "analysis/element_power.h"
#include "analysis/named_system.h"
#include "analysis/node_names.h"

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

}  // namespace

void writeNodesAndComponents(JsonWriter& json, const CKirvoltDoc& doc)
{
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
}

}  // namespace kirvolt::cli
