#pragma once

#include <string>
#include <vector>

namespace kirvolt {

// One run of text in the results pane. Subscripts (the node names after V and I) are drawn
// 8 units lower in the small subscript font; each piece starts where the previous one ended.
struct ResultsPiece {
    std::string text;
    bool subscript = false;
    friend bool operator==(const ResultsPiece&, const ResultsPiece&) = default;
};

// One line of the results pane at its vertical position; greyed while it belongs to an
// earlier state of the circuit.
struct ResultsLine {
    int y = 0;
    std::vector<ResultsPiece> pieces;
    bool greyed = false;
    friend bool operator==(const ResultsLine&, const ResultsLine&) = default;

    // The line with its subscripts written inline: "  R1:  V12 = 10.00 V;   I12 = 2.00 A."
    std::string plainText() const;
};

}  // namespace kirvolt
