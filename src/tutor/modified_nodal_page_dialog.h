#pragma once

#include "tutor/tutor_dialog.h"
#include "tutoring/modified_nodal_steps.h"

class QTableWidget;

namespace kirvolt {

// A step of the Modified Nodal Analysis Tutor: its heading, what the step says, and G | b as
// far as it is built, the entries the step wrote highlighted. "Next" ("Finish" on the last
// page) accepts, "Cancel" leaves.
class ModifiedNodalPageDialog : public TutorDialog {
    Q_OBJECT

public:
    ModifiedNodalPageDialog(const ModifiedNodalLesson& lesson, const ModifiedNodalPage& page, QWidget* parent = nullptr);

    // The table of G | b, a row per equation and a column per unknown, then b.
    QTableWidget* systemTable() const { return table; }

private:
    QTableWidget* table;
};

}  // namespace kirvolt
