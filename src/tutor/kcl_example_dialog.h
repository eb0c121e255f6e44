#pragma once

#include "tutor/tutor_dialog.h"

namespace kirvolt {

// Step 4: how a node's KCL equation is written, on the worked example of node 'a'.
// "Finish" accepts; closing the window any other way rejects.
class KclExampleDialog : public TutorDialog {
    Q_OBJECT

public:
    explicit KclExampleDialog(QWidget* parent = nullptr);
};

}  // namespace kirvolt
