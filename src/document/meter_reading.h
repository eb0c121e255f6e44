#pragma once

#include <cstdint>
#include <string>

namespace kirvolt {

// What one meter showed after an analysis: an ammeter the current through it from its start
// to its finish terminal, a voltmeter the p.d. of its start terminal over its finish terminal;
// or, for a meter that cannot read, why not.
struct MeterReading {
    std::uint64_t recordId = 0;
    std::uint16_t kind = 0;
    std::string label;
    bool reads = false;
    double value = 0.0;
    std::string whyNot;
    friend bool operator==(const MeterReading&, const MeterReading&) = default;
};

}  // namespace kirvolt
