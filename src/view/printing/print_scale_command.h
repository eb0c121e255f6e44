#pragma once

#include "document/circuit_document.h"
#include "view/widgets/kirvolt_message.h"

class QWidget;

namespace kirvolt {

// The "Set Print Scale" command: on OK the document prints at the new scale. The scale is
// not part of the circuit, so the document does not become modified.
void runPrintScaleCommand(CKirvoltDoc& doc, QWidget* parent, MessageFunction message = showKirvoltMessage);

}  // namespace kirvolt
