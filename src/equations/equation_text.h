#pragma once

#include <string>

#include "document/text_lists.h"

namespace kirvolt {

// One side of equation lines 3, 4 and 5: written with component names, with value texts,
// and with numbers.
struct EquationSides {
    std::string names;
    std::string valueTexts;
    std::string numbers;
};

// A conductance with 2 decimals from 10 up, 3 from 1 up, 4 below 1, and three significant
// digits where those show fewer (equationNumber).
std::string conductanceText(double conductance);

}  // namespace kirvolt
