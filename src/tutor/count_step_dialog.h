#pragma once

#include <functional>

#include "tutor/tutor_dialog.h"
#include "tutoring/node_count_check.h"
#include "view/widgets/kirvolt_message.h"

namespace kirvolt {

class SpinEdit;

// What a tutor's counting step says: its window title, its heading, what to count, the
// question beside the field and the note below it.
struct CountStepTexts {
    QString title;
    QString heading;
    QString task;
    QString question;
    QString note;
};

// Step 1 of a tutor: the student counts (nodes, meshes). "Next" answers with the judge's
// feedback, a note rather than a failure, and closes the step only on the right count;
// "Cancel" leaves the tutor.
class CountStepDialog : public TutorDialog {
    Q_OBJECT

public:
    static constexpr int MAXIMUM_COUNT = 99;

    using Judge = std::function<NodeCountVerdict(int counted)>;

    CountStepDialog(const CountStepTexts& texts, Judge judge, QWidget* parent, MessageFunction message);

    // The last count the field accepted.
    int counted() const { return studentCount; }

private:
    void takeCount(const QString& text);
    void checkCount();

    Judge judge;
    int studentCount = 1;
    SpinEdit* countEdit;
    MessageFunction message;
};

}  // namespace kirvolt
