#pragma once

#include <cstdint>

#include "document/codes.h"

namespace kirvolt {

// How every open circuit is shown: the resistor symbol style and whether joints show their
// node numbers. The application owns one for all its circuits (they start from these values at
// every start of the program); a document on its own, as the command-line tool and the tests
// make them, uses one of its own.
struct DisplaySettings {
    std::uint16_t resistorStyle = STYLE_EUROPEAN;
    int showNodeNumbers = 1;
};

}  // namespace kirvolt
