#include "tutor/mesh_current_tutor.h"

#include "tutor/mesh_tutor_steps.h"

namespace kirvolt {

MeshTutorDialogs::MeshTutorDialogs(QWidget* parent, MessageFunction message, MeshTutorDrawing drawing)
    : parent(parent), message(std::move(message)), drawing(std::move(drawing))
{
}

bool MeshTutorDialogs::accepted(TutorDialog& dialog) const
{
    if (drawing.explained) {
        dialog.keepClearOf(drawing.explained());
    }
    return dialog.exec() == QDialog::Accepted;
}

bool MeshTutorDialogs::introduce()
{
    MeshIntroductionDialog dialog(parent);
    return accepted(dialog);
}

bool MeshTutorDialogs::countMeshes(int branches, int nodes)
{
    MeshCountDialog dialog(branches, nodes, parent, message);
    return accepted(dialog);
}

bool MeshTutorDialogs::labelMeshes(const std::function<void()>& showMeshCurrents)
{
    MeshLabelDialog dialog(showMeshCurrents, parent);
    return accepted(dialog);
}

bool MeshTutorDialogs::dealWithSources(CurrentSourceQuiz& quiz)
{
    MeshSourceDialog dialog(quiz, drawing.mark, parent);
    return runClickingStep(dialog, [&dialog](Point logical) { dialog.takeClick(logical); }, drawing.takeClicks, drawing.explained,
                           drawing.mark);
}

bool MeshTutorDialogs::showPage(const MeshTutorPage& page)
{
    drawing.mark(&page.highlight);
    MeshPageDialog dialog(page, parent);
    const bool next = accepted(dialog);
    drawing.mark(nullptr);
    return next;
}

void runMeshCurrentTutor(CKirvoltDoc& doc, QWidget* parent, MessageFunction message, MeshTutorDrawing drawing)
{
    const MeshCurrentsShown showMeshCurrents = drawing.showMeshCurrents;
    MeshTutorDialogs dialogs(parent, std::move(message), std::move(drawing));
    runMeshTutor(doc, dialogs, showMeshCurrents);
}

}  // namespace kirvolt
