#pragma once

#include "tutor/tutor_dialog.h"

namespace kirvolt {

// A window of the Loop Current Tutor: the nodal tutor's windows, titled "Loop Current Tutor".
class LoopTutorDialog : public TutorDialog {
    Q_OBJECT

public:
    explicit LoopTutorDialog(QWidget* parent);

protected:
    // "Step 2 of 4 for Loop Current Analysis:"
    QLabel* stepHeading(int step);
};

}  // namespace kirvolt
