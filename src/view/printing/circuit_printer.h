#pragma once

#include <QPrinter>

#include "document/circuit_document.h"

class QWidget;

namespace kirvolt {

// The program's printer. Print, Print Preview and Print Setup share it, so the paper and
// printer chosen once hold for every circuit until the program ends. A circuit always
// prints on a single page; what lies beyond the page is cut off.
class CircuitPrinter {
public:
    CircuitPrinter();

    // File Print: the print dialog, then the circuit.
    void print(CKirvoltDoc& doc, QWidget* parent);
    // File Print Preview, in the platform's preview window.
    void preview(CKirvoltDoc& doc, QWidget* parent);
    // File Print Setup: paper and orientation for the prints to come.
    void setup(QWidget* parent);

    // Prints the circuit on the printer as it is set up, without asking.
    void printPage(CKirvoltDoc& doc);

    QPrinter& printer() { return device; }

private:
    QPrinter device;
};

}  // namespace kirvolt
