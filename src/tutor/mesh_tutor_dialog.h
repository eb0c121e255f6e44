#pragma once

#include "tutor/tutor_dialog.h"

namespace kirvolt {

// A window of the Mesh Current Tutor: the nodal tutor's windows, titled "Mesh Current Tutor".
class MeshTutorDialog : public TutorDialog {
    Q_OBJECT

public:
    explicit MeshTutorDialog(QWidget* parent);

protected:
    // "Step 2 of 4 for Mesh Current Analysis:"
    QLabel* stepHeading(int step);
};

}  // namespace kirvolt
