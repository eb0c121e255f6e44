#pragma once

#include <QString>

#include "document/circuit_document.h"

class QWidget;

namespace kirvolt {

// View > Matrix Form: analyses the circuit first when the results are not those of the circuit
// as it is, then shows its modified nodal system; a refusal is shown instead.
void showMatrixForm(CKirvoltDoc& doc, const QString& circuitName, QWidget* parent);

}  // namespace kirvolt
