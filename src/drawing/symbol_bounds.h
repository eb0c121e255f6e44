#pragma once

#include <optional>

#include "document/circuit_document.h"
#include "document/highlight.h"

namespace kirvolt {

// A box, in logical units, that holds everything the element's symbol can paint at grid step
// c: its lines and terminal dots, its labels, a current arrow beside it, and for a joint its
// node number and earth symbol. Text is allowed a whole grid step per character, which no
// font of the labels (2c/3 high) reaches.
Rect symbolBounds(const CComponent& element, int c);

// The box holding every element's symbol; none for a circuit without elements.
std::optional<Rect> circuitBounds(const CKirvoltDoc& doc);

// The box holding the symbols an explanation marks (red or with an arrow); none when it marks
// nothing.
std::optional<Rect> highlightBounds(const CKirvoltDoc& doc, const Highlight& highlight);

}  // namespace kirvolt
