#pragma once

#include <cstdint>
#include <unordered_map>

#include "document/circuit_document.h"

namespace kirvolt {

// What the last successful analysis gave one record, for the drawing and its tooltips.
struct RecordNumbers {
    double startVoltage = 0.0;
    double finishVoltage = 0.0;
    double pd = 0.0;
    double current = 0.0;  // from start to finish terminal
    double power = 0.0;    // absorbed; negative where delivered
    // Resistors, sources and ammeters that can read carry a current the drawing shows.
    bool carriesCurrent = false;
};

// The numbers of one analysis by record id, kept apart from the records so that once the
// circuit changes the drawing can still show them greyed, and only beside the records they
// belong to.
struct DrawnNumbers {
    std::uint64_t revision = 0;
    std::unordered_map<std::uint64_t, RecordNumbers> byRecord;
    // The range of node voltages, for the tint scale.
    double lowestVoltage = 0.0;
    double highestVoltage = 0.0;

    bool empty() const { return byRecord.empty(); }
    // Whether they are the numbers of the circuit as it is drawn now.
    bool describe(const CKirvoltDoc& doc) const { return !empty() && revision == doc.revision(); }
    const RecordNumbers* of(const CComponent& record) const
    {
        const auto found = byRecord.find(record.recordId);
        return found == byRecord.end() ? nullptr : &found->second;
    }
};

// Which numbers a paint puts on the drawing.
struct NumbersShown {
    bool voltages = false;
    bool currents = false;
    bool any() const { return voltages || currents; }
};

}  // namespace kirvolt
