#pragma once

#include <string>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// One run of text in the results pane. Subscripts (the node names after V and I) are drawn
// 8 units lower in the small subscript font; each piece starts where the previous one ended.
struct ResultsPiece {
    std::string text;
    bool subscript = false;
};

// One line of the results pane at its vertical position.
struct ResultsLine {
    int y = 0;
    std::vector<ResultsPiece> pieces;

    // The line with its subscripts written inline: "  R1:  V12 = 10.00 V;   I12 = 2.00 A."
    std::string plainText() const;
};

// The lines of the results pane from the records of the last analysis: the title, then (once
// node extraction has made joints) the node voltages and the p.d. and current of every
// resistor, current source and voltage source. Names in each block are sorted byte-wise.
std::vector<ResultsLine> buildResultsText(const CKirvoltDoc& doc);

}  // namespace kirvolt
