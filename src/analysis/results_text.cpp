#include "analysis/results_text.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "analysis/element_power.h"
#include "analysis/meter_readings.h"
#include "analysis/node_names.h"
#include "document/readable_value.h"

namespace kirvolt {
namespace {

constexpr int NODE_LINE_STEP = 20;
// The notice takes the free line between the title (0) and the node heading (40).
constexpr int STALE_NOTICE_Y = 20;
constexpr int COMPONENT_LINE_STEP = 25;

ResultsLine plainLine(int y, std::string text) { return {y, {{std::move(text), false}}}; }

ResultsLine titleLine() { return plainLine(0, "  Analysis Results:"); }

// Labels of the records of one kind in list order, a label equal to the one just before it
// skipped (the joints of a node stand together), sorted byte-wise.
std::vector<std::string> sortedNames(const CKirvoltDoc& doc, int kind)
{
    std::vector<std::string> names;
    for (const auto& element : doc.components) {
        if (element->kindCode == kind && (names.empty() || names.back() != element->label)) {
            names.push_back(element->label);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The first record of any kind carrying each label.
std::unordered_map<std::string, const CComponent*> firstByLabel(const CKirvoltDoc& doc)
{
    std::unordered_map<std::string, const CComponent*> first;
    for (const auto& element : doc.components) {
        first.try_emplace(element->label, element.get());
    }
    return first;
}

ResultsLine componentLine(int y, const std::string& name, const CComponent& c, const NodeNames& names)
{
    const std::string& start = names(c.startNode);
    const std::string& finish = names(c.finishNode);
    const bool pdForward = c.pd > 0;
    const bool currentForward = c.current > 0;
    return {y,
            {{"  " + name + ":  V", false},
             {pdForward ? start + finish : finish + start, true},
             {" = " + quantityText(pdForward ? c.pd : -c.pd, 2, "V") + "; ", false},
             {"  I", false},
             {currentForward ? start + finish : finish + start, true},
             {" = " + quantityText(currentForward ? c.current : -c.current, 2, "A") + ".", false}}};
}

// The components of the kinds that take or give power, in the order of their p.d. blocks.
constexpr int POWER_KINDS[] = {KIND_RESISTOR, KIND_CURRENT_SOURCE, KIND_VOLTAGE_SOURCE};

// Each component's power by the sign convention the heading states, then the balance of what
// the sources deliver against what the circuit absorbs. Returns where the next block starts.
int addPowerLines(std::vector<ResultsLine>& lines, int y, const CKirvoltDoc& doc,
                  const std::unordered_map<std::string, const CComponent*>& byLabel)
{
    std::vector<ResultsLine> powers;
    int lineY = y + 50;
    for (int kind : POWER_KINDS) {
        for (const std::string& name : sortedNames(doc, kind)) {
            if (const auto found = byLabel.find(name); found != byLabel.end()) {
                powers.push_back(plainLine(lineY, "  " + name + ":  P = " + quantityText(absorbedPower(*found->second), 2, "W") + "."));
                lineY += COMPONENT_LINE_STEP;
            }
        }
    }
    if (powers.empty()) {
        return y;
    }
    lines.push_back(plainLine(y, "  Component: power in W, absorbed (+) or delivered (-)."));
    lines.push_back(plainLine(y + 25, "  " + std::string(104, '-')));
    lines.insert(lines.end(), powers.begin(), powers.end());
    const PowerBalance balance = powerBalance(doc);
    lines.push_back(plainLine(lineY, "  Power delivered " + quantityText(balance.delivered, 2, "W") + " = power absorbed " +
                                         quantityText(balance.absorbed, 2, "W") + "."));
    return lineY + 2 * COMPONENT_LINE_STEP;
}

// Ammeters, then voltmeters, each kind by label.
std::vector<const MeterReading*> sortedReadings(const std::vector<MeterReading>& readings)
{
    std::vector<const MeterReading*> sorted;
    for (const MeterReading& r : readings) {
        sorted.push_back(&r);
    }
    std::stable_sort(sorted.begin(), sorted.end(), [](const MeterReading* a, const MeterReading* b) {
        return a->kind != b->kind ? a->kind == KIND_AMMETER : a->label < b->label;
    });
    return sorted;
}

void addMeterLines(std::vector<ResultsLine>& lines, int y, const std::vector<MeterReading>& readings)
{
    if (readings.empty()) {
        return;
    }
    lines.push_back(plainLine(y, "  Meter: reading, from its + terminal to its - terminal."));
    lines.push_back(plainLine(y + 25, "  " + std::string(104, '-')));
    y += 50;
    for (const MeterReading* r : sortedReadings(readings)) {
        lines.push_back(plainLine(y, "  " + meterReadingText(*r)));
        y += COMPONENT_LINE_STEP;
    }
}

}  // namespace

std::string meterReadingText(const MeterReading& reading)
{
    if (!reading.reads) {
        return reading.whyNot;
    }
    return reading.label + " reads " + quantityText(reading.value, 2, reading.kind == KIND_AMMETER ? "A" : "V") + ".";
}

std::vector<ResultsLine> buildResultsText(const CKirvoltDoc& doc) { return buildResultsText(doc, readMeters(doc)); }

std::vector<ResultsLine> buildResultsText(const CKirvoltDoc& doc, const std::vector<MeterReading>& readings)
{
    std::vector<ResultsLine> lines{titleLine()};
    if (doc.jointCount == 1) {
        return lines;
    }
    const auto byLabel = firstByLabel(doc);
    const NodeNames nodeNames(doc);
    lines.push_back(plainLine(40, "  Node Number:  Node Voltage in V"));
    lines.push_back(plainLine(60, "  " + std::string(103, '-')));
    int y = 80;
    for (const std::string& name : sortedNames(doc, KIND_JOINT)) {
        if (const auto found = byLabel.find(name); found != byLabel.end()) {
            lines.push_back(plainLine(y, "  Node " + name + ":   " + quantityText(found->second->startVoltage, 2, "V") + "."));
            y += NODE_LINE_STEP;
        }
    }
    lines.push_back(plainLine(y + 25, "  Component: p.d. in V; current in A."));
    lines.push_back(plainLine(y + 50, "  " + std::string(104, '-')));
    y += 75;
    for (int kind : POWER_KINDS) {
        for (const std::string& name : sortedNames(doc, kind)) {
            if (const auto found = byLabel.find(name); found != byLabel.end()) {
                lines.push_back(componentLine(y, name, *found->second, nodeNames));
                y += COMPONENT_LINE_STEP;
            }
        }
        y += COMPONENT_LINE_STEP;
    }
    y = addPowerLines(lines, y, doc, byLabel);
    addMeterLines(lines, y, readings);
    return lines;
}

std::vector<ResultsLine> resultsPaneLines(const CKirvoltDoc& doc, const std::string& staleNotice)
{
    if (doc.analysisResults.empty()) {
        return {titleLine()};
    }
    if (doc.resultsAreCurrent()) {
        return doc.analysisResults;
    }
    std::vector<ResultsLine> lines{titleLine()};
    if (!staleNotice.empty()) {
        lines.push_back(plainLine(STALE_NOTICE_Y, "  " + staleNotice));
    }
    for (auto line = doc.analysisResults.begin() + 1; line != doc.analysisResults.end(); ++line) {
        lines.push_back(*line);
        lines.back().greyed = true;
    }
    return lines;
}

}  // namespace kirvolt
