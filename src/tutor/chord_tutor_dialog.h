#pragma once

#include "tutor/tutor_dialog.h"

namespace kirvolt {

// A window of the Chord Current Tutor: the nodal tutor's windows, titled "Chord Current Tutor".
class ChordTutorDialog : public TutorDialog {
    Q_OBJECT

public:
    explicit ChordTutorDialog(QWidget* parent);

protected:
    // "Step 2 of 4 for Chord Current Analysis:" and what the step is about.
    void addStepHeading(int step);
    // "Next" (or "Finish" on the last window) and "Cancel" at the foot of the window.
    QPushButton* addButtons(bool last);
};

}  // namespace kirvolt
