#pragma once

#include <string>
#include <variant>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// A node's voltage as a formula in the names of the circuit's elements, as text ("E1*R2/(R1+R2)")
// and as LaTeX, and its value with the elements' values put in.
struct NodeFormula {
    int node = 0;
    std::string name;
    std::string text;
    std::string latex;
    double value = 0.0;
};

// The most unknowns whose system is solved in letters: a ladder of six takes GiNaC 77 ms and
// its formulas fill a line or two, while one of eight takes over a minute and its formulas run
// to hundreds of terms that no student reads.
inline constexpr int MOST_FORMULA_UNKNOWNS = 6;

// The voltage of every node of an analysed circuit as a formula, in node order, or why there
// are none (a build without GiNaC, too many unknowns).
std::variant<std::vector<NodeFormula>, std::string> nodeFormulas(const CKirvoltDoc& doc);

// "V3 = E1*R2/(R1+R2) = 8.00 V": each formula, then what it comes to with the values put in.
std::vector<std::string> formulaLines(const std::vector<NodeFormula>& formulas);

}  // namespace kirvolt
