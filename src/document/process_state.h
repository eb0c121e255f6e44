#pragma once

#include <cstdint>
#include <string>

#include "document/codes.h"

namespace kirvolt {

// Carries the name and value of an element that is being moved, so that the element
// placed again takes them instead of a new numbered name.
struct MoveBuffer {
    int flag = 0;
    std::string name;
    double value = 0.0;
};

// Settings shared by every open circuit, reset only when the program starts.
struct ProcessState {
    std::uint16_t resistorStyle = STYLE_EUROPEAN;
    int showNodeNumbers = 1;
    int datumSymbolDrawn = 0;  // set by the first joint that draws the earth symbol in a paint
    MoveBuffer moveBuffer;
};

ProcessState& processState();

// Puts every shared setting back to its start-up value (for tests and a fresh start).
void resetProcessState();

}  // namespace kirvolt
