#pragma once

#include "tutor/tutor_dialog.h"
#include "view/widgets/kirvolt_message.h"

namespace kirvolt {

class SpinEdit;

// Step 1: the student counts the nodes. "Next" answers with graded feedback, a note rather
// than a failure, and closes the step only on the right count; "Cancel" leaves the tutor.
class NodeCountDialog : public TutorDialog {
    Q_OBJECT

public:
    static constexpr int MAXIMUM_COUNT = 99;

    NodeCountDialog(int nodeCount, QWidget* parent = nullptr, MessageFunction message = showKirvoltMessage);

    // The last count the field accepted.
    int counted() const { return studentCount; }

private:
    void takeCount(const QString& text);
    void checkCount();

    int nodeCount;
    int studentCount = 1;
    SpinEdit* countEdit;
    MessageFunction message;
};

}  // namespace kirvolt
