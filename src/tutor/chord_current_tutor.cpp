#include "tutor/chord_current_tutor.h"

#include <QEventLoop>

#include "tutor/chord_tutor_steps.h"
#include "tutor/input_gate.h"

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

// As the mesh tutor's source step: the window stands without modality so that the student can
// click the drawing, and the gate keeps everything else out of reach until it closes.
bool ChordTutorDialogs::pickTree(TreeQuiz& quiz, const std::function<void()>& treeChanged)
{
    ChordTreeDialog dialog(quiz, drawing.mark, treeChanged, parent);
    dialog.setWindowModality(Qt::NonModal);
    if (drawing.explained) {
        dialog.keepClearOf(drawing.explained());
    }
    QList<QWidget*> open{&dialog};
    open += drawing.takeClicks([&dialog](Point logical) { dialog.takeClick(logical); });
    bool next = false;
    {
        const InputGate gate(open);
        QEventLoop loop;
        QObject::connect(&dialog, &QDialog::finished, &loop, [&loop, &next](int result) {
            next = result == QDialog::Accepted;
            loop.quit();
        });
        dialog.show();
        dialog.activateWindow();
        loop.exec();
    }
    drawing.takeClicks({});
    drawing.mark(nullptr);
    return next;
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
