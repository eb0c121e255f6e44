#include "analysis/circuit_words.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "analysis/drawn_numbers_reading.h"
#include "analysis/node_names.h"
#include "document/reading_order.h"
#include "document/wording.h"

namespace kirvolt {
namespace {


constexpr std::array<int, 9> EXPONENTS{-12, -9, -6, -3, 0, 3, 6, 9, 12};

// Each unit with each SI prefix as one word, so that a language can join them as it does
// ("kilohm", not "kiloohm").
struct UnitWords {
    const char* unit;
    std::array<const char*, 9> words;
};

constexpr std::array<UnitWords, 3> UNIT_WORDS{{
    {"ohm",
     {WORDING_NOOP("CircuitWords", "picoohm"), WORDING_NOOP("CircuitWords", "nanoohm"),
      WORDING_NOOP("CircuitWords", "microohm"), WORDING_NOOP("CircuitWords", "milliohm"),
      WORDING_NOOP("CircuitWords", "ohm"), WORDING_NOOP("CircuitWords", "kilohm"), WORDING_NOOP("CircuitWords", "megohm"),
      WORDING_NOOP("CircuitWords", "gigohm"), WORDING_NOOP("CircuitWords", "teraohm")}},
    {"volt",
     {WORDING_NOOP("CircuitWords", "picovolt"), WORDING_NOOP("CircuitWords", "nanovolt"),
      WORDING_NOOP("CircuitWords", "microvolt"), WORDING_NOOP("CircuitWords", "millivolt"),
      WORDING_NOOP("CircuitWords", "volt"), WORDING_NOOP("CircuitWords", "kilovolt"),
      WORDING_NOOP("CircuitWords", "megavolt"), WORDING_NOOP("CircuitWords", "gigavolt"),
      WORDING_NOOP("CircuitWords", "teravolt")}},
    {"ampere",
     {WORDING_NOOP("CircuitWords", "picoampere"), WORDING_NOOP("CircuitWords", "nanoampere"),
      WORDING_NOOP("CircuitWords", "microampere"), WORDING_NOOP("CircuitWords", "milliampere"),
      WORDING_NOOP("CircuitWords", "ampere"), WORDING_NOOP("CircuitWords", "kiloampere"),
      WORDING_NOOP("CircuitWords", "megaampere"), WORDING_NOOP("CircuitWords", "gigaampere"),
      WORDING_NOOP("CircuitWords", "teraampere")}},
}};

std::string unitWord(const std::string& unit, int exponent)
{
    const auto found = std::find_if(UNIT_WORDS.begin(), UNIT_WORDS.end(), [&unit](const UnitWords& u) { return unit == u.unit; });
    const auto at = std::find(EXPONENTS.begin(), EXPONENTS.end(), exponent) - EXPONENTS.begin();
    return found != UNIT_WORDS.end() ? wording("CircuitWords", found->words[static_cast<std::size_t>(at)]) : unit;
}

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
        return wording("CircuitWords", "resistor");
    case KIND_VOLTAGE_SOURCE:
        return wording("CircuitWords", "voltage source");
    case KIND_CURRENT_SOURCE:
        return wording("CircuitWords", "current source");
    case KIND_AMMETER:
        return wording("CircuitWords", "ammeter");
    case KIND_VOLTMETER:
        return wording("CircuitWords", "voltmeter");
    default:
        return wording("CircuitWords", "element");
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
        return fillIn(wording("CircuitWords", "at %1"), {gridText(record.gridStart)});
    }
    if (nodesNumbered(doc)) {
        return fillIn(wording("CircuitWords", "from node %1 to node %2"), {names(record.startNode), names(record.finishNode)});
    }
    return fillIn(wording("CircuitWords", "from %1 to %2"), {gridText(record.gridStart), gridText(record.gridFinish)});
}

std::string numbersText(const CKirvoltDoc& doc, const CComponent& record, const RecordNumbers& n)
{
    const int kind = record.kindCode;
    if (kind == KIND_JOINT) {
        return fillIn(wording("CircuitWords", ", %1"), {spokenQuantity(n.startVoltage, "volt")});
    }
    if (kind == KIND_AMMETER || kind == KIND_VOLTMETER) {
        const MeterReading* reading = doc.currentReading(record);
        if (reading == nullptr) {
            return {};
        }
        if (!reading->reads) {
            return fillIn(wording("CircuitWords", ", reads nothing: %1"), {reading->whyNot});
        }
        return fillIn(wording("CircuitWords", ", reads %1"), {spokenQuantity(reading->value, kind == KIND_AMMETER ? "ampere" : "volt")});
    }
    return fillIn(wording("CircuitWords", ", p.d. %1, current %2"), {spokenQuantity(n.pd, "volt"), spokenQuantity(n.current, "ampere")});
}

std::string describeWith(const CKirvoltDoc& doc, const CComponent& record, const DrawnNumbers& numbers,
                         const NodeNames& names)
{
    const int kind = record.kindCode;
    std::string text;
    if (kind == KIND_JOINT) {
        text = nodesNumbered(doc) ? fillIn(wording("CircuitWords", "joint of node %1"), {names(record.startNode)})
                                  : wording("CircuitWords", "joint");
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
        return fillIn(wording("CircuitWords", "%1 %2"), {"0", unitWord(unit, 0)});
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
    const std::string spoken = fillIn(wording("CircuitWords", "%1 %2"), {trimmed(digits.data()), unitWord(unit, exponent)});
    return value < 0 ? fillIn(wording("CircuitWords", "minus %1"), {spoken}) : spoken;
}

std::string describeRecord(const CKirvoltDoc& doc, const CComponent& record)
{
    return describeWith(doc, record, readDrawnNumbers(doc), NodeNames(doc));
}

std::vector<std::string> describeCircuit(const CKirvoltDoc& doc)
{
    const std::vector<const CComponent*> order = readingOrder(doc);
    if (order.empty()) {
        return {wording("CircuitWords", "The drawing is empty.")};
    }
    std::size_t elements = 0;
    for (const CComponent* record : order) {
        elements += record->kindCode != KIND_JOINT ? 1 : 0;
    }
    std::vector<std::string> lines{fillIn(wording("CircuitWords", "The circuit has %1 elements and %2 joints, read row by row from the top left."),
                                          {std::to_string(elements), std::to_string(order.size() - elements)})};
    const NodeNames names(doc);
    if (nodesNumbered(doc)) {
        lines.push_back(fillIn(wording("CircuitWords", "It has %1 nodes; the datum node is node %2."),
                               {std::to_string(doc.nodeCount), names(doc.datumNode)}));
    }
    const DrawnNumbers numbers = readDrawnNumbers(doc);
    for (const CComponent* record : order) {
        lines.push_back(fillIn(wording("CircuitWords", "%1."), {describeWith(doc, *record, numbers, names)}));
    }
    lines.push_back(doc.resultsAreCurrent() ? wording("CircuitWords", "The numbers are those of the last analysis.")
                                            : wording("CircuitWords", "It has not been analysed as it is drawn now."));
    return lines;
}

}  // namespace kirvolt
