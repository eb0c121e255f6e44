#pragma once

#include <functional>

#include "tutor/count_step_dialog.h"
#include "tutor/mesh_tutor_dialog.h"
#include "tutoring/mesh_tutor_windows.h"
#include "view/widgets/kirvolt_message.h"

class QPushButton;
class QLabel;

namespace kirvolt {

// The opening window: the four steps at a glance. "Start" accepts, "Return" leaves.
class MeshIntroductionDialog : public MeshTutorDialog {
    Q_OBJECT

public:
    explicit MeshIntroductionDialog(QWidget* parent = nullptr);
};

// Step 1: the student counts the meshes.
class MeshCountDialog : public CountStepDialog {
    Q_OBJECT

public:
    MeshCountDialog(int branches, int nodes, QWidget* parent = nullptr, MessageFunction message = showKirvoltMessage);
};

// Step 2: the button draws the clockwise mesh currents; only then may the student go on.
class MeshLabelDialog : public MeshTutorDialog {
    Q_OBJECT

public:
    MeshLabelDialog(std::function<void()> showMeshCurrents, QWidget* parent = nullptr);

private:
    void labelMeshes();

    std::function<void()> showMeshCurrents;
    QPushButton* next;
};

// A window of steps 3 and 4: the page's text, "Next" and "Cancel".
class MeshPageDialog : public MeshTutorDialog {
    Q_OBJECT

public:
    MeshPageDialog(const MeshTutorPage& page, QWidget* parent = nullptr);
};

}  // namespace kirvolt
