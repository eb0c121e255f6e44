#pragma once

#include "tutor/count_step_dialog.h"

namespace kirvolt {

// Step 1 of the Nodal Analysis Tutor: the student counts the nodes.
class NodeCountDialog : public CountStepDialog {
    Q_OBJECT

public:
    NodeCountDialog(int nodeCount, QWidget* parent = nullptr, MessageFunction message = showKirvoltMessage);
};

}  // namespace kirvolt
