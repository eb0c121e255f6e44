#pragma once

#include <functional>

#include "document/circuit_document.h"
#include "tutor/clicking_step.h"
#include "tutoring/chord_tutor_run.h"
#include "tutoring/chord_tutor_windows.h"

class QWidget;

namespace kirvolt {

class ChordTutorDialog;

// What the drawing does for the tutor: the highlight each window marks, the student's tree,
// and the clicks of step 1.
struct ChordTutorDrawing {
    MarkFunction mark = [](const Highlight*) {};
    TreeShown showTree = [](const std::vector<std::string>&, bool) {};
    ExplainedArea explained;
    ClickRoute takeClicks = [](const std::function<void(Point)>&) { return QList<QWidget*>{}; };
};

// The tutor's steps as dialogs over the main window, each kept clear of the circuit.
class ChordTutorDialogs final : public ChordTutorWindows {
public:
    ChordTutorDialogs(QWidget* parent, ChordTutorDrawing drawing);

    bool introduce() override;
    bool pickTree(TreeQuiz& quiz, const std::function<void()>& treeChanged) override;
    bool showPage(const ChordTutorPage& page) override;
    bool writeEquation(const LoopEquationTask& task) override;

private:
    bool accepted(ChordTutorDialog& dialog, const Highlight* marked);

    QWidget* parent;
    ChordTutorDrawing drawing;
};

// The "Chord Current Tutor" command on the active circuit: the tutor's windows stand over
// parent (the main window); messages of the analysis go through the document's port.
void runChordCurrentTutor(CKirvoltDoc& doc, QWidget* parent, ChordTutorDrawing drawing = {});

}  // namespace kirvolt
