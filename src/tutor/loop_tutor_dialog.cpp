#include "tutor/loop_tutor_dialog.h"

#include <QLabel>

namespace kirvolt {

LoopTutorDialog::LoopTutorDialog(QWidget* parent) : TutorDialog(parent) { setWindowTitle(tr("Loop Current Tutor")); }

QLabel* LoopTutorDialog::stepHeading(int step)
{
    return headingLabel(tr("Step %1 of 4 for Loop Current Analysis:").arg(step));
}

}  // namespace kirvolt
