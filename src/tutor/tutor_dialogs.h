#pragma once

#include "tutoring/tutor_windows.h"
#include "view/widgets/kirvolt_message.h"

#include <QRect>

#include <functional>

class QWidget;

namespace kirvolt {

class TutorDialog;

// Where on the screen the circuit the tutor talks about is shown, asked afresh for each step;
// empty when it is nowhere in view.
using ExplainedArea = std::function<QRect()>;

// The tutor's steps as modal dialogs over the main window, each kept clear of the circuit.
class TutorDialogs final : public TutorWindows {
public:
    TutorDialogs(QWidget* parent, MessageFunction message, ExplainedArea explained = {});

    bool introduce() override;
    bool countNodes(int nodeCount) override;
    bool labelNodes(const std::function<void()>& showNodeNumbers) override;
    std::optional<int> chooseDatum(const DatumCandidates& candidates) override;
    bool explainEquations() override;

private:
    int run(TutorDialog& dialog) const;

    QWidget* parent;
    MessageFunction message;
    ExplainedArea explained;
};

}  // namespace kirvolt
