#include "analysis/circuit_words.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "analysis/drawn_numbers_reading.h"
#include "analysis/node_names.h"
#include "document/reading_order.h"

namespace kirvolt {
namespace {

struct Prefix {
    int exponent;
    const char* word;
};

constexpr std::array<Prefix, 9> PREFIXES{{{-12, "pico"}, {-9, "nano"}, {-6, "micro"}, {-3, "milli"}, {0, ""},
                                          {3, "kilo"}, {6, "mega"}, {9, "giga"}, {12, "tera"}}};

// "4.290" -> "4.29", "10.0" -> "10".
std::string trimmed(std::string digits)
{
    if (digits.find('.') != std::string::npos) {
        while (digits.back() == '0') {
            digits.pop_back();
        }
        if (digits.back() == '.') {
            digits.pop_back();
        }
    }
    return digits;
}

std::string kindWord(int kind)
{
    switch (kind) {
    case KIND_RESISTOR:
        return "resistor";
    case KIND_VOLTAGE_SOURCE:
        return "voltage source";
    case KIND_CURRENT_SOURCE:
        return "current source";
    case KIND_AMMETER:
        return "ammeter";
    case KIND_VOLTMETER:
        return "voltmeter";
    default:
        return "element";
    }
}

std::string valueUnit(int kind)
{
    switch (kind) {
    case KIND_RESISTOR:
        return "ohm";
    case KIND_VOLTAGE_SOURCE:
        return "volt";
    default:
        return "ampere";
    }
}

std::string gridText(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

bool nodesNumbered(const CKirvoltDoc& doc) { return doc.nodesValid != 0 && doc.nodeCount > 0; }

std::string whereText(const CKirvoltDoc& doc, const CComponent& record, const NodeNames& names)
{
    if (record.kindCode == KIND_JOINT) {
        return "at " + gridText(record.gridStart);
    }
    if (nodesNumbered(doc)) {
        return "from node " + names(record.startNode) + " to node " + names(record.finishNode);
    }
    return "from " + gridText(record.gridStart) + " to " + gridText(record.gridFinish);
}

std::string numbersText(const CKirvoltDoc& doc, const CComponent& record, const RecordNumbers& n)
{
    const int kind = record.kindCode;
    if (kind == KIND_JOINT) {
        return ", " + spokenQuantity(n.startVoltage, "volt");
    }
    if (kind == KIND_AMMETER || kind == KIND_VOLTMETER) {
        const MeterReading* reading = doc.currentReading(record);
        if (reading == nullptr) {
            return {};
        }
        if (!reading->reads) {
            return ", reads nothing: " + reading->whyNot;
        }
        return ", reads " + spokenQuantity(reading->value, kind == KIND_AMMETER ? "ampere" : "volt");
    }
    return ", p.d. " + spokenQuantity(n.pd, "volt") + ", current " + spokenQuantity(n.current, "ampere");
}

std::string describeWith(const CKirvoltDoc& doc, const CComponent& record, const DrawnNumbers& numbers,
                         const NodeNames& names)
{
    const int kind = record.kindCode;
    std::string text;
    if (kind == KIND_JOINT) {
        text = nodesNumbered(doc) ? "joint of node " + names(record.startNode) : "joint";
    } else {
        text = record.label + ", ";
        if (kind == KIND_RESISTOR || kind == KIND_VOLTAGE_SOURCE || kind == KIND_CURRENT_SOURCE) {
            text += spokenQuantity(record.value, valueUnit(kind)) + " ";
        }
        text += kindWord(kind);
    }
    text += ", " + whereText(doc, record, names);
    if (const RecordNumbers* n = numbers.of(record)) {
        text += numbersText(doc, record, *n);
    }
    return text;
}

}  // namespace

std::string spokenQuantity(double value, const std::string& unit)
{
    const double size = std::fabs(value);
    if (!std::isfinite(value) || size < 1e-12) {
        return "0 " + unit;
    }
    int exponent = static_cast<int>(std::floor(std::log10(size) / 3.0)) * 3;
    exponent = std::clamp(exponent, -12, 12);
    double mantissa = size / std::pow(10.0, exponent);
    // Three significant digits; a mantissa that rounds up to 1000 takes the next prefix.
    auto decimals = [](double m) { return m >= 100.0 ? 0 : m >= 10.0 ? 1 : 2; };
    const double scale = std::pow(10.0, decimals(mantissa));
    mantissa = std::round(mantissa * scale) / scale;
    if (mantissa >= 1000.0 && exponent < 12) {
        exponent += 3;
        mantissa /= 1000.0;
    }
    std::array<char, 32> digits{};
    std::snprintf(digits.data(), digits.size(), "%.*f", decimals(mantissa), mantissa);
    std::string word;
    for (const Prefix& prefix : PREFIXES) {
        if (prefix.exponent == exponent) {
            word = prefix.word;
        }
    }
    // kilo + ohm reads "kilohm", mega + ohm "megohm", giga + ohm "gigohm".
    if (unit == "ohm" && (word == "kilo" || word == "mega" || word == "giga")) {
        word.pop_back();
    }
    return (value < 0 ? "minus " : "") + trimmed(digits.data()) + " " + word + unit;
}

std::string describeRecord(const CKirvoltDoc& doc, const CComponent& record)
{
    return describeWith(doc, record, readDrawnNumbers(doc), NodeNames(doc));
}

std::vector<std::string> describeCircuit(const CKirvoltDoc& doc)
{
    const std::vector<const CComponent*> order = readingOrder(doc);
    if (order.empty()) {
        return {"The drawing is empty."};
    }
    std::size_t elements = 0;
    for (const CComponent* record : order) {
        elements += record->kindCode != KIND_JOINT ? 1 : 0;
    }
    std::vector<std::string> lines{"The circuit has " + std::to_string(elements) + " elements and " +
                                   std::to_string(order.size() - elements) + " joints, read row by row from the top left."};
    const NodeNames names(doc);
    if (nodesNumbered(doc)) {
        lines.push_back("It has " + std::to_string(doc.nodeCount) + " nodes; the datum node is node " +
                        names(doc.datumNode) + ".");
    }
    const DrawnNumbers numbers = readDrawnNumbers(doc);
    for (const CComponent* record : order) {
        lines.push_back(describeWith(doc, *record, numbers, names) + ".");
    }
    lines.push_back(doc.resultsAreCurrent() ? "The numbers are those of the last analysis."
                                            : "It has not been analysed as it is drawn now.");
    return lines;
}

}  // namespace kirvolt
