#pragma once

#include "document/circuit_document.h"

class QPrinter;
class QWidget;

namespace kirvolt {

// A circuit always prints on a single page at its print scale, from the document's origin;
// what lies beyond the page is cut off. The printer is the program's one printer, as Print
// Setup left it.

// File Print: the print dialog, then the circuit.
void printCircuit(CKirvoltDoc& doc, QPrinter& printer, QWidget* parent);

// File Print Preview, in the platform's preview window, which can print from there.
void previewCircuit(CKirvoltDoc& doc, QPrinter& printer, QWidget* parent);

// Prints the circuit on the printer as it is set up, without asking.
void printCircuitPage(CKirvoltDoc& doc, QPrinter& printer);

}  // namespace kirvolt
