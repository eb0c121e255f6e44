#pragma once

#include "tutor/tutor_dialog.h"

namespace kirvolt {

// The first window of the Modified Nodal Analysis Tutor: background notes on the method.
// "Start" accepts and the steps follow; "Return" leaves.
class ModifiedNodalNotesDialog : public TutorDialog {
    Q_OBJECT

public:
    explicit ModifiedNodalNotesDialog(QWidget* parent = nullptr);
};

}  // namespace kirvolt
