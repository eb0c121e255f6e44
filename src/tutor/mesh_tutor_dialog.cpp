#include "tutor/mesh_tutor_dialog.h"

#include <QLabel>

namespace kirvolt {

MeshTutorDialog::MeshTutorDialog(QWidget* parent) : TutorDialog(parent) { setWindowTitle(tr("Mesh Current Tutor")); }

QLabel* MeshTutorDialog::stepHeading(int step)
{
    return headingLabel(tr("Step %1 of 4 for Mesh Current Analysis:").arg(step));
}

}  // namespace kirvolt
