#include "tutor/tutor_dialogs.h"

#include "tutor/datum_node_dialog.h"
#include "tutor/kcl_example_dialog.h"
#include "tutor/node_count_dialog.h"
#include "tutor/node_label_dialog.h"
#include "tutor/tutor_introduction_dialog.h"

namespace kirvolt {

TutorDialogs::TutorDialogs(QWidget* parent, MessageFunction message) : parent(parent), message(std::move(message))
{
}

bool TutorDialogs::introduce()
{
    TutorIntroductionDialog dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}

bool TutorDialogs::countNodes(int nodeCount)
{
    NodeCountDialog dialog(nodeCount, parent, message);
    return dialog.exec() == QDialog::Accepted;
}

bool TutorDialogs::labelNodes(const std::function<void()>& showNodeNumbers)
{
    NodeLabelDialog dialog(showNodeNumbers, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<int> TutorDialogs::chooseDatum(const DatumCandidates& candidates)
{
    DatumNodeDialog dialog(candidates, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}

bool TutorDialogs::explainEquations()
{
    KclExampleDialog dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace kirvolt
