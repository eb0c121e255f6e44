#include "tutoring/modified_nodal_run.h"

#include "analysis/nodal_solver.h"
#include "document/wording.h"
#include "tutoring/tutor_opening.h"

namespace kirvolt {

std::optional<std::string> modifiedNodalTutorRefusal(int unknowns)
{
    if (unknowns <= MODIFIED_NODAL_TUTOR_LIMIT) {
        return std::nullopt;
    }
    return fillIn(wording("ModifiedNodalTutor", "The Modified Nodal Analysis Tutor builds systems of up to %1 unknowns, "
                                                "which its windows show whole; this circuit has %2. View > Matrix Form shows its system."),
                  {std::to_string(MODIFIED_NODAL_TUTOR_LIMIT), std::to_string(unknowns)});
}

void runModifiedNodalTutor(CKirvoltDoc& doc, ModifiedNodalWindows& windows)
{
    doc.analysisFailed = 0;
    // The lesson is the node voltage method's system, whichever method the circuit last used.
    const AnalysisOutcome outcome = runNodalAnalysis(doc);
    if (!reportedSolve(doc, outcome)) {
        return;
    }
    if (const auto refusal = modifiedNodalTutorRefusal(outcome.unknownCount.value_or(0))) {
        doc.port().showMessage(*refusal);
        return;
    }
    if (!windows.showNotes()) {
        return;
    }
    // A solved system within the tutor's limit is always kept.
    const ModifiedNodalLesson lesson = modifiedNodalLesson(doc, *outcome.system);
    for (const ModifiedNodalPage& page : lesson.pages) {
        if (!windows.showPage(lesson, page)) {
            return;
        }
    }
}

}  // namespace kirvolt
