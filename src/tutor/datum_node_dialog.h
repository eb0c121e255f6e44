#pragma once

#include "tutoring/datum_choice.h"
#include "tutor/tutor_dialog.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace kirvolt {

// Step 3: the student picks the datum node from the list; the window then says which nodes
// still need an equation. "Next" waits for a choice.
class DatumNodeDialog : public TutorDialog {
    Q_OBJECT

public:
    explicit DatumNodeDialog(DatumCandidates candidates, QWidget* parent = nullptr);

    // The chosen list entry, counted from 0.
    int choice() const { return chosen; }

private:
    void showChoice();

    DatumCandidates candidates;
    int chosen = 0;
    QListWidget* nodeList;
    QLabel* chosenName;
    QLabel* otherNames;
    QLabel* equationCount;
    QPushButton* next;
};

}  // namespace kirvolt
