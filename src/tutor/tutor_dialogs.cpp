#include "tutor/tutor_dialogs.h"

#include "tutor/datum_node_dialog.h"
#include "tutor/kcl_example_dialog.h"
#include "tutor/node_count_dialog.h"
#include "tutor/node_label_dialog.h"
#include "tutor/tutor_introduction_dialog.h"
#include "tutor/tutor_dialog.h"

namespace kirvolt {

TutorDialogs::TutorDialogs(QWidget* parent, MessageFunction message, ExplainedArea explained)
    : parent(parent), message(std::move(message)), explained(std::move(explained))
{
}

int TutorDialogs::run(TutorDialog& dialog) const
{
    if (explained) {
        dialog.keepClearOf(explained());
    }
    return dialog.exec();
}

bool TutorDialogs::introduce()
{
    TutorIntroductionDialog dialog(parent);
    return run(dialog) == QDialog::Accepted;
}

bool TutorDialogs::countNodes(int nodeCount)
{
    NodeCountDialog dialog(nodeCount, parent, message);
    return run(dialog) == QDialog::Accepted;
}

bool TutorDialogs::labelNodes(const std::function<void()>& showNodeNumbers)
{
    NodeLabelDialog dialog(showNodeNumbers, parent);
    return run(dialog) == QDialog::Accepted;
}

std::optional<int> TutorDialogs::chooseDatum(const DatumCandidates& candidates)
{
    DatumNodeDialog dialog(candidates, parent);
    if (run(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}

bool TutorDialogs::explainEquations()
{
    KclExampleDialog dialog(parent);
    return run(dialog) == QDialog::Accepted;
}

}  // namespace kirvolt
