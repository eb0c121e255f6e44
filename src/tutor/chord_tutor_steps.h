#pragma once

#include <functional>

#include "document/geometry.h"
#include "document/highlight.h"
#include "tutor/chord_tutor_dialog.h"
#include "tutoring/chord_tutor_windows.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kirvolt {

// The opening window: the four steps at a glance. "Start" accepts, "Return" leaves.
class ChordIntroductionDialog : public ChordTutorDialog {
    Q_OBJECT

public:
    explicit ChordIntroductionDialog(QWidget* parent = nullptr);
};

// Step 1: the student clicks branches of the drawing into the tree and out again; each
// click's reply stands in the window, with what it marks. "Next" waits for a complete tree.
// The window leaves the drawing within reach, so it is run without modality (see InputGate).
class ChordTreeDialog : public ChordTutorDialog {
    Q_OBJECT

public:
    ChordTreeDialog(TreeQuiz& quiz, std::function<void(const Highlight*)> mark, std::function<void()> treeChanged,
                    QWidget* parent = nullptr);

    // A click on the drawing at the logical point.
    void takeClick(Point logical);

private:
    TreeQuiz& quiz;
    std::function<void(const Highlight*)> mark;
    std::function<void()> treeChanged;
    QLabel* reply = nullptr;
    QLabel* progress = nullptr;
    QPushButton* next = nullptr;
    Highlight marked;
};

// A window of steps 2 to 4 that the student reads.
class ChordPageDialog : public ChordTutorDialog {
    Q_OBJECT

public:
    explicit ChordPageDialog(const ChordTutorPage& page, QWidget* parent = nullptr);
};

// Step 4 for one loop: what to type, a line for the equation and "Check"; the verdict stands
// below it, and "Next" (or "Finish") waits for a right equation.
class ChordEquationDialog : public ChordTutorDialog {
    Q_OBJECT

public:
    explicit ChordEquationDialog(const LoopEquationTask& task, QWidget* parent = nullptr);

    QLineEdit* equationBox() const { return equation; }

private:
    void checkEquation();

    const LoopEquationTask& task;
    QLineEdit* equation = nullptr;
    QLabel* verdict = nullptr;
    QPushButton* next = nullptr;
};

}  // namespace kirvolt
