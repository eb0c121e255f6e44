#include "document/results_lines.h"

namespace kirvolt {

std::string ResultsLine::plainText() const
{
    std::string text;
    for (const ResultsPiece& piece : pieces) {
        text += piece.text;
    }
    return text;
}

}  // namespace kirvolt
