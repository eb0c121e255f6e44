#pragma once

#include <functional>

#include "document/geometry.h"
#include "document/highlight.h"
#include "tutor/mesh_tutor_dialog.h"
#include "tutoring/current_source_quiz.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace kirvolt {

// What the drawing marks while a window of the tutor's last steps is up; none when null.
using MarkFunction = std::function<void(const Highlight*)>;

// Step 3 on a circuit with current sources: the student chooses what to look for and clicks
// inside the meshes of the drawing; each click's reply stands in the window, with what it
// marks on the drawing. "Next" waits until the quiz is done. The window leaves the drawing
// within reach, so it is run without modality (see InputGate).
class MeshSourceDialog : public MeshTutorDialog {
    Q_OBJECT

public:
    MeshSourceDialog(CurrentSourceQuiz& quiz, MarkFunction mark, QWidget* parent = nullptr);

    // A click on the drawing at the logical point.
    void takeClick(Point logical);

private:
    CurrentSourceQuiz& quiz;
    MarkFunction mark;
    QRadioButton* pairs = nullptr;
    QLabel* reply = nullptr;
    QLabel* progress = nullptr;
    QPushButton* next = nullptr;
    Highlight marked;
};

}  // namespace kirvolt
