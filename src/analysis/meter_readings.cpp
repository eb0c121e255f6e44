#include "analysis/meter_readings.h"

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "analysis/node_extraction.h"
#include "document/text_lists.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

std::uint64_t pointKey(Point p)
{
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.x)) << 32) | static_cast<std::uint32_t>(p.y);
}

// The records that tie grid points together, and the current every element delivers out of
// each grid point into its own terminal there.
class TiedPoints {
public:
    explicit TiedPoints(const CKirvoltDoc& doc)
    {
        for (const auto& element : doc.components) {
            const CComponent& c = *element;
            if (tiesItsEnds(c.kindCode)) {
                ties[pointKey(c.gridStart)].push_back(&c);
                ties[pointKey(c.gridFinish)].push_back(&c);
            } else if (isAnalysedBranchKind(c.kindCode)) {
                // Every element's current runs from its start terminal to its finish terminal.
                leaving[pointKey(c.gridStart)] += c.current;
                leaving[pointKey(c.gridFinish)] -= c.current;
            }
        }
    }

    // The current through the ammeter from start to finish: what its start side delivers into
    // its elements comes back to that side only through the ammeter (I = -sum of the side's
    // outflows). None when a path other than the ammeter joins its two terminals.
    std::optional<double> currentThrough(const CComponent& ammeter) const
    {
        const std::uint64_t finish = pointKey(ammeter.gridFinish);
        std::unordered_set<std::uint64_t> side{pointKey(ammeter.gridStart)};
        std::vector<std::uint64_t> open{pointKey(ammeter.gridStart)};
        double outflow = 0.0;
        while (!open.empty()) {
            const std::uint64_t p = open.back();
            open.pop_back();
            if (p == finish) {
                return std::nullopt;
            }
            if (const auto found = leaving.find(p); found != leaving.end()) {
                outflow += found->second;
            }
            const auto tied = ties.find(p);
            if (tied == ties.end()) {
                continue;
            }
            for (const CComponent* tie : tied->second) {
                if (tie == &ammeter) {
                    continue;
                }
                for (Point end : {tie->gridStart, tie->gridFinish}) {
                    if (side.insert(pointKey(end)).second) {
                        open.push_back(pointKey(end));
                    }
                }
            }
        }
        return -outflow;
    }

private:
    std::unordered_map<std::uint64_t, std::vector<const CComponent*>> ties;
    std::unordered_map<std::uint64_t, double> leaving;
};

std::string voltmeterTrouble(const CKirvoltDoc& doc, const CComponent& meter)
{
    const bool start = doc.isNode(meter.startNode);
    const bool finish = doc.isNode(meter.finishNode);
    const char* sentence = !start && !finish ? WORDING_NOOP("MeterReadings", "%1 cannot read: neither of its terminals is connected to the circuit.")
                           : !start          ? WORDING_NOOP("MeterReadings", "%1 cannot read: its start terminal is not connected to the circuit.")
                                             : WORDING_NOOP("MeterReadings", "%1 cannot read: its finish terminal is not connected to the circuit.");
    return fillIn(wording("MeterReadings", sentence), {meter.label});
}

MeterReading ammeterReading(const CComponent& meter, const TiedPoints& points)
{
    MeterReading reading{meter.recordId, meter.kindCode, meter.label, false, 0.0, {}};
    if (const auto current = points.currentThrough(meter)) {
        reading.reads = true;
        reading.value = *current;
    } else {
        reading.whyNot = fillIn(wording("MeterReadings", "%1 cannot read: wires or other ammeters also join its terminals, "
                                                         "so the current divides among them in no fixed way."),
                                {meter.label});
    }
    return reading;
}

MeterReading voltmeterReading(const CKirvoltDoc& doc, const CComponent& meter)
{
    MeterReading reading{meter.recordId, meter.kindCode, meter.label, false, 0.0, {}};
    if (doc.isNode(meter.startNode) && doc.isNode(meter.finishNode)) {
        reading.reads = true;
        reading.value = meter.startVoltage - meter.finishVoltage;
    } else {
        reading.whyNot = voltmeterTrouble(doc, meter);
    }
    return reading;
}

}  // namespace

std::vector<MeterReading> readMeters(const CKirvoltDoc& doc)
{
    std::vector<MeterReading> readings;
    std::optional<TiedPoints> points;
    for (const auto& element : doc.components) {
        const CComponent& c = *element;
        if (c.kindCode == KIND_AMMETER) {
            if (!points) {
                points.emplace(doc);
            }
            readings.push_back(ammeterReading(c, *points));
        } else if (c.kindCode == KIND_VOLTMETER) {
            readings.push_back(voltmeterReading(doc, c));
        }
    }
    return readings;
}

std::string ammeterNote(const CKirvoltDoc& doc)
{
    std::vector<std::string> names;
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_AMMETER) {
            names.push_back(element->label);
        }
    }
    if (names.empty()) {
        return {};
    }
    return names.size() == 1
               ? fillIn(wording("MeterReadings", "\n\nAn ideal ammeter joins its terminals as a wire does: the circuit is analysed with %1 as a wire."),
                        {spokenList(names)})
               : fillIn(wording("MeterReadings", "\n\nAn ideal ammeter joins its terminals as a wire does: the circuit is analysed with %1 as wires."),
                        {spokenList(names)});
}

std::vector<MeterReading> takeMeterReadings(CKirvoltDoc& doc)
{
    std::vector<MeterReading> readings = readMeters(doc);
    auto reading = readings.begin();
    for (const auto& element : doc.components) {
        if (isMeterKind(element->kindCode)) {
            if (element->kindCode == KIND_AMMETER) {
                element->current = reading->value;
            }
            ++reading;
        }
    }
    return readings;
}

}  // namespace kirvolt
