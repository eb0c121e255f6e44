#include "analysis/drawn_numbers_reading.h"

#include <algorithm>

#include "analysis/element_power.h"
#include "analysis/node_names.h"
#include "document/readable_value.h"
#include "document/value_range.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

// What a record carries from start to finish: an element's own current, an ammeter's reading.
bool readCurrent(const CKirvoltDoc& doc, const CComponent& c, double& current)
{
    if (isAnalysedBranchKind(c.kindCode)) {
        current = c.current;
        return true;
    }
    if (c.kindCode == KIND_AMMETER) {
        const MeterReading* reading = doc.currentReading(c);
        if (reading != nullptr && reading->reads) {
            current = reading->value;
            return true;
        }
    }
    return false;
}

std::string volts(double v) { return quantityText(v, 2, "V"); }

std::string powerText(double p)
{
    return "Power " + quantityText(p, 2, "W") + (p < 0 ? " (delivered)" : " (absorbed)");
}

}  // namespace

DrawnNumbers readDrawnNumbers(const CKirvoltDoc& doc)
{
    DrawnNumbers numbers;
    if (!doc.resultsAreCurrent()) {
        return numbers;
    }
    numbers.revision = doc.revision();
    bool first = true;
    for (const auto& element : doc.components) {
        const CComponent& c = *element;
        RecordNumbers n{c.startVoltage, c.finishVoltage, c.pd, 0.0, absorbedPower(c), false};
        n.carriesCurrent = readCurrent(doc, c, n.current);
        numbers.byRecord.emplace(c.recordId, n);
        if (c.kindCode == KIND_JOINT) {
            numbers.lowestVoltage = first ? c.startVoltage : std::min(numbers.lowestVoltage, c.startVoltage);
            numbers.highestVoltage = first ? c.startVoltage : std::max(numbers.highestVoltage, c.startVoltage);
            first = false;
        }
    }
    return numbers;
}

std::string numbersTooltip(const CKirvoltDoc& doc, const CComponent& record, const DrawnNumbers& numbers)
{
    const int kind = record.kindCode;
    std::string text = kind == KIND_JOINT ? "Node " + record.label : record.label;
    if (kind == KIND_RESISTOR || kind == KIND_VOLTAGE_SOURCE || kind == KIND_CURRENT_SOURCE) {
        text += ": " + valueWithUnit(record.kindCode, record.value);
    }
    const RecordNumbers* n = numbers.of(record);
    if (n == nullptr) {
        return text;
    }
    if (kind == KIND_JOINT || isWireKind(kind)) {
        text += kind == KIND_JOINT ? ": " + volts(n->startVoltage) : "\nNode " + nodeName(doc, record.startNode) + ": " + volts(n->startVoltage);
    } else {
        text += "\nNode " + nodeName(doc, record.startNode) + ": " + volts(n->startVoltage) + "; node " +
                nodeName(doc, record.finishNode) + ": " + volts(n->finishVoltage);
        text += "\np.d. " + volts(n->pd);
        if (n->carriesCurrent) {
            text += "; current " + quantityText(n->current, 2, "A");
        }
        if (isAnalysedBranchKind(kind)) {
            text += "\n" + powerText(n->power);
        }
    }
    if (!numbers.describe(doc)) {
        text += "\n" + wording("DrawnNumbers", "The circuit has changed since these numbers.");
    }
    return text;
}

}  // namespace kirvolt
