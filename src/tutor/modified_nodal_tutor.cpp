#include "tutor/modified_nodal_tutor.h"

#include "tutor/modified_nodal_notes_dialog.h"
#include "tutor/modified_nodal_page_dialog.h"
#include "tutoring/modified_nodal_run.h"

namespace kirvolt {

ModifiedNodalDialogs::ModifiedNodalDialogs(QWidget* parent, ModifiedNodalMark mark, ExplainedArea explained)
    : parent(parent), mark(std::move(mark)), explained(std::move(explained))
{
}

bool ModifiedNodalDialogs::accepted(TutorDialog& dialog) const
{
    if (explained) {
        dialog.keepClearOf(explained());
    }
    return dialog.exec() == QDialog::Accepted;
}

bool ModifiedNodalDialogs::showNotes()
{
    ModifiedNodalNotesDialog dialog(parent);
    return accepted(dialog);
}

bool ModifiedNodalDialogs::showPage(const ModifiedNodalLesson& lesson, const ModifiedNodalPage& page)
{
    mark(&page.highlight);
    ModifiedNodalPageDialog dialog(lesson, page, parent);
    const bool next = accepted(dialog);
    mark(nullptr);
    return next;
}

void runModifiedNodalAnalysisTutor(CKirvoltDoc& doc, QWidget* parent, ModifiedNodalMark mark, ExplainedArea explained)
{
    ModifiedNodalDialogs dialogs(parent, std::move(mark), std::move(explained));
    runModifiedNodalTutor(doc, dialogs);
}

}  // namespace kirvolt
