#pragma once

#include "document/circuit_document.h"
#include "tutor/tutor_dialogs.h"
#include "view/widgets/kirvolt_message.h"

class QWidget;

namespace kirvolt {

// The "Nodal Analysis Tutor" command on the active circuit: the tutor's windows stand over
// parent (the main window). Messages of the analysis go through the document's port; the
// tutor's own messages through message. Each window keeps clear of the explained area.
void runNodalAnalysisTutor(CKirvoltDoc& doc, QWidget* parent, MessageFunction message = showKirvoltMessage,
                           ExplainedArea explained = {});

}  // namespace kirvolt
