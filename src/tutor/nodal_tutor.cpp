#include "tutor/nodal_tutor.h"

#include "tutor/tutor_dialogs.h"
#include "tutoring/tutor_run.h"

namespace kirvolt {

void runNodalAnalysisTutor(CKirvoltDoc& doc, QWidget* parent, MessageFunction message, ExplainedArea explained)
{
    TutorDialogs dialogs(parent, std::move(message), std::move(explained));
    runNodalTutor(doc, dialogs);
}

}  // namespace kirvolt
