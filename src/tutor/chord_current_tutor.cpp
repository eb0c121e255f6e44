#include "tutor/chord_current_tutor.h"

#include "tutor/chord_tutor_steps.h"

namespace kirvolt {

ChordTutorDialogs::ChordTutorDialogs(QWidget* parent, ChordTutorDrawing drawing)
    : parent(parent), drawing(std::move(drawing))
{
}

bool ChordTutorDialogs::accepted(ChordTutorDialog& dialog, const Highlight* marked)
{
    if (drawing.explained) {
        dialog.keepClearOf(drawing.explained());
    }
    drawing.mark(marked);
    const bool next = dialog.exec() == QDialog::Accepted;
    drawing.mark(nullptr);
    return next;
}

bool ChordTutorDialogs::introduce()
{
    ChordIntroductionDialog dialog(parent);
    return accepted(dialog, nullptr);
}

bool ChordTutorDialogs::pickTree(TreeQuiz& quiz, const std::function<void()>& treeChanged)
{
    ChordTreeDialog dialog(quiz, drawing.mark, treeChanged, parent);
    return runClickingStep(dialog, [&dialog](Point logical) { dialog.takeClick(logical); }, drawing.takeClicks, drawing.explained,
                           drawing.mark);
}

bool ChordTutorDialogs::showPage(const ChordTutorPage& page)
{
    ChordPageDialog dialog(page, parent);
    return accepted(dialog, &page.highlight);
}

bool ChordTutorDialogs::writeEquation(const LoopEquationTask& task)
{
    ChordEquationDialog dialog(task, parent);
    return accepted(dialog, &task.highlight);
}

void runChordCurrentTutor(CKirvoltDoc& doc, QWidget* parent, ChordTutorDrawing drawing)
{
    const TreeShown showTree = drawing.showTree;
    ChordTutorDialogs dialogs(parent, std::move(drawing));
    runChordTutor(doc, dialogs, showTree);
}

}  // namespace kirvolt
