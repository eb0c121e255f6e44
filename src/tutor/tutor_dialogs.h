#pragma once

#include "tutoring/tutor_windows.h"
#include "view/widgets/kirvolt_message.h"

class QWidget;

namespace kirvolt {

// The tutor's steps as modal dialogs over the main window.
class TutorDialogs final : public TutorWindows {
public:
    TutorDialogs(QWidget* parent, MessageFunction message);

    bool introduce() override;
    bool countNodes(int nodeCount) override;
    bool labelNodes(const std::function<void()>& showNodeNumbers) override;
    std::optional<int> chooseDatum(const DatumCandidates& candidates) override;
    bool explainEquations() override;

private:
    QWidget* parent;
    MessageFunction message;
};

}  // namespace kirvolt
