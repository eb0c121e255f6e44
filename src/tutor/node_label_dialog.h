#pragma once

#include <functional>

#include "tutor/tutor_dialog.h"

class QPushButton;

namespace kirvolt {

// Step 2: the picture button labels the nodes in the circuit; only then may the student go on.
class NodeLabelDialog : public TutorDialog {
    Q_OBJECT

public:
    NodeLabelDialog(std::function<void()> showNodeNumbers, QWidget* parent = nullptr);

private:
    void labelNodes();

    std::function<void()> showNodeNumbers;
    QPushButton* next;
};

}  // namespace kirvolt
