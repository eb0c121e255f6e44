#pragma once

#include "document/circuit_document.h"

class QWidget;

namespace kirvolt {

// Analyse > Thévenin Equivalent: asks for the terminals, then shows the worked sequence and
// both equivalent circuits drawn, or says why the question cannot be answered.
void showTheveninEquivalent(CKirvoltDoc& doc, QWidget* parent);

// Analyse > Superposition: each source's part drawn with the other sources as shorts and
// gaps, and the worked sum beside the full analysis.
void showSuperposition(CKirvoltDoc& doc, QWidget* parent);

}  // namespace kirvolt
