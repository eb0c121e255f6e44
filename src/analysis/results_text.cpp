#include "analysis/results_text.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>
#include <unordered_map>

#include "analysis/element_power.h"
#include "analysis/meter_readings.h"
#include "analysis/node_names.h"
#include "document/readable_value.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

constexpr int NODE_LINE_STEP = 20;
// The notice takes the free line between the title (0) and the node heading (40).
constexpr int STALE_NOTICE_Y = 20;
constexpr int COMPONENT_LINE_STEP = 25;

ResultsLine plainLine(int y, std::string text) { return {y, {{std::move(text), false}}}; }

ResultsLine titleLine() { return plainLine(0, "  Analysis Results:"); }

// The records' labels, read in place while the lines are built.
using Names = std::vector<std::string_view>;
using ByLabel = std::unordered_map<std::string_view, const CComponent*>;

// Labels of the records of one kind in list order, a label equal to the one just before it
// skipped (the joints of a node stand together), sorted byte-wise.
Names sortedNames(const CKirvoltDoc& doc, int kind)
{
    Names names;
    for (const auto& element : doc.components) {
        if (element->kindCode == kind && (names.empty() || names.back() != element->label)) {
            names.push_back(element->label);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The first record of any kind carrying each label.
ByLabel firstByLabel(const CKirvoltDoc& doc)
{
    ByLabel first;
    first.reserve(doc.components.size());
    for (const auto& element : doc.components) {
        first.try_emplace(element->label, element.get());
    }
    return first;
}

ResultsLine componentLine(int y, std::string_view name, const CComponent& c, const NodeNames& names)
{
    const std::string& start = names(c.startNode);
    const std::string& finish = names(c.finishNode);
    const bool pdForward = c.pd > 0;
    const bool currentForward = c.current > 0;
    return {y,
            {{"  " + std::string(name) + ":  V", false},
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
int addPowerLines(std::vector<ResultsLine>& lines, int y, const CKirvoltDoc& doc, const ByLabel& byLabel,
                  const std::vector<Names>& namesOfKinds)
{
    std::vector<ResultsLine> powers;
    int lineY = y + 50;
    for (const Names& names : namesOfKinds) {
        for (const std::string_view name : names) {
            if (const auto found = byLabel.find(name); found != byLabel.end()) {
                powers.push_back(plainLine(lineY, "  " + std::string(name) + ":  P = " + quantityText(absorbedPower(*found->second), 2, "W") + "."));
                lineY += COMPONENT_LINE_STEP;
            }
        }
    }
    if (powers.empty()) {
        return y;
    }
    lines.push_back(plainLine(y, "  " + wording("ResultsText", "Component: power in W, absorbed (+) or delivered (-).")));
    lines.push_back(plainLine(y + 25, "  " + std::string(104, '-')));
    lines.insert(lines.end(), std::make_move_iterator(powers.begin()), std::make_move_iterator(powers.end()));
    const PowerBalance balance = powerBalance(doc);
    lines.push_back(plainLine(lineY, "  " + fillIn(wording("ResultsText", "Power delivered %1 = power absorbed %2."),
                                                   {quantityText(balance.delivered, 2, "W"), quantityText(balance.absorbed, 2, "W")})));
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
    lines.push_back(plainLine(y, "  " + wording("ResultsText", "Meter: reading, from its + terminal to its - terminal.")));
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
    return fillIn(wording("ResultsText", "%1 reads %2."),
                  {reading.label, quantityText(reading.value, 2, reading.kind == KIND_AMMETER ? "A" : "V")});
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
    lines.push_back(plainLine(40, "  " + wording("ResultsText", "Node Number:  Node Voltage in V")));
    lines.push_back(plainLine(60, "  " + std::string(103, '-')));
    int y = 80;
    // Asked once: a large circuit has thousands of node lines.
    const std::string nodeLine = wording("ResultsText", "Node %1:   %2.");
    for (const std::string_view name : sortedNames(doc, KIND_JOINT)) {
        if (const auto found = byLabel.find(name); found != byLabel.end()) {
            lines.push_back(plainLine(y, "  " + fillIn(nodeLine, {name, quantityText(found->second->startVoltage, 2, "V")})));
            y += NODE_LINE_STEP;
        }
    }
    lines.push_back(plainLine(y + 25, "  " + wording("ResultsText", "Component: p.d. in V; current in A.")));
    lines.push_back(plainLine(y + 50, "  " + std::string(104, '-')));
    y += 75;
    std::vector<Names> namesOfKinds;
    for (int kind : POWER_KINDS) {
        namesOfKinds.push_back(sortedNames(doc, kind));
        for (const std::string_view name : namesOfKinds.back()) {
            if (const auto found = byLabel.find(name); found != byLabel.end()) {
                lines.push_back(componentLine(y, name, *found->second, nodeNames));
                y += COMPONENT_LINE_STEP;
            }
        }
        y += COMPONENT_LINE_STEP;
    }
    y = addPowerLines(lines, y, doc, byLabel, namesOfKinds);
    addMeterLines(lines, y, readings);
    return lines;
}

std::vector<ResultsLine> resultsPaneLines(const CKirvoltDoc& doc, const std::string& staleNotice)
{
    const ResultsPaneLines pane(doc, staleNotice);
    std::vector<ResultsLine> lines;
    lines.reserve(pane.size());
    for (std::size_t i = 0; i < pane.size(); ++i) {
        lines.push_back(pane[i]);
    }
    return lines;
}

ResultsPaneLines::ResultsPaneLines(const CKirvoltDoc& doc, std::string staleNotice)
    : kept(doc.analysisResults),
      shown(doc.analysisResults.empty() ? Shown::titleOnly : doc.resultsAreCurrent() ? Shown::current : Shown::stale)
{
    if (shown == Shown::stale && !staleNotice.empty()) {
        hasNotice = true;
        noticeLine = plainLine(STALE_NOTICE_Y, "  " + staleNotice);
    }
}

std::size_t ResultsPaneLines::size() const
{
    return shown == Shown::titleOnly ? 1 : kept.size() + (hasNotice ? 1 : 0);
}

std::size_t ResultsPaneLines::keptIndex(std::size_t i) const
{
    return hasNotice && i >= 1 ? i - 1 : i;
}

ResultsLine ResultsPaneLines::operator[](std::size_t i) const
{
    if (shown == Shown::current) {
        return kept[i];
    }
    // Greyed lines stand under a title that is not.
    if (shown == Shown::titleOnly || i == 0) {
        return titleLine();
    }
    if (hasNotice && i == 1) {
        return noticeLine;
    }
    ResultsLine line = kept[keptIndex(i)];
    line.greyed = true;
    return line;
}

int ResultsPaneLines::yOf(std::size_t i) const
{
    if (shown == Shown::current) {
        return kept[i].y;
    }
    if (shown == Shown::titleOnly || i == 0) {
        return titleLine().y;
    }
    return hasNotice && i == 1 ? noticeLine.y : kept[keptIndex(i)].y;
}

std::vector<ResultsLine> ResultsPaneLines::between(int top, int bottom) const
{
    // The lines stand in the order of their y, so the first in view is found by halving.
    std::size_t first = 0;
    std::size_t last = size();
    while (first < last) {
        const std::size_t middle = first + (last - first) / 2;
        if (yOf(middle) < top) {
            first = middle + 1;
        } else {
            last = middle;
        }
    }
    std::vector<ResultsLine> lines;
    for (std::size_t i = first; i < size() && yOf(i) <= bottom; ++i) {
        lines.push_back((*this)[i]);
    }
    return lines;
}

}  // namespace kirvolt
