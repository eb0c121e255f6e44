#pragma once

#include <string>

namespace kirvolt {

// One side of equation lines 3, 4 and 5: written with component names, with value texts,
// and with numbers.
struct EquationSides {
    std::string names;
    std::string valueTexts;
    std::string numbers;
};

// Lists are built by appending every item with its separator and then cutting at the last
// separator; the blank that stood before the cut character stays.
std::string cutAtLastChar(const std::string& text, char ch);

// A conductance with 2 decimals from 10 up, 3 from 1 up, 4 below 1.
std::string conductanceText(double conductance);

}  // namespace kirvolt
