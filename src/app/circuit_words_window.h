#pragma once

#include "document/circuit_document.h"

class QWidget;

namespace kirvolt {

// Help > Describe Circuit: the whole circuit in words (describeCircuit), one line each, in a
// read-only text window that a screen reader reads line by line. Nothing is analysed: the
// words tell the numbers only while they are the drawing's.
void showCircuitInWords(const CKirvoltDoc& doc, QWidget* parent);

}  // namespace kirvolt
