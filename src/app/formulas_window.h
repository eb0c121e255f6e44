#pragma once

#include "document/circuit_document.h"

class QWidget;

namespace kirvolt {

// View > Formulas: analyses the circuit first when the results are not those of the circuit as
// it is, then shows every node voltage as a formula in the elements' names beside its value,
// or why there are none (a refusal, too many unknowns, a build without GiNaC).
void showNodeFormulas(CKirvoltDoc& doc, QWidget* parent);

}  // namespace kirvolt
