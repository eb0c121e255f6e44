#pragma once

#include "tutor/tutor_dialog.h"

namespace kirvolt {

// The tutor's opening window: the four steps at a glance. "Start" accepts, "Return" leaves,
// "Background Notes" opens another notes window each time.
class TutorIntroductionDialog : public TutorDialog {
    Q_OBJECT

public:
    explicit TutorIntroductionDialog(QWidget* parent = nullptr);
};

}  // namespace kirvolt
