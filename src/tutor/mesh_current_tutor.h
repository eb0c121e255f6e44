#pragma once

#include <functional>

#include <QList>

#include "document/circuit_document.h"
#include "tutor/clicking_step.h"
#include "tutor/mesh_source_dialog.h"
#include "tutor/tutor_dialogs.h"
#include "tutoring/mesh_tutor_run.h"
#include "tutoring/mesh_tutor_windows.h"
#include "view/widgets/kirvolt_message.h"

class QWidget;

namespace kirvolt {

class TutorDialog;

// What the drawing does for the tutor: the highlight each page marks, the mesh currents, and
// the clicks of step 3.
struct MeshTutorDrawing {
    MarkFunction mark = [](const Highlight*) {};
    MeshCurrentsShown showMeshCurrents = [](MeshCurrentsDrawn) {};
    ExplainedArea explained;
    ClickRoute takeClicks = [](const std::function<void(Point)>&) { return QList<QWidget*>{}; };
};

// The tutor's steps as modal dialogs over the main window, each kept clear of the circuit.
class MeshTutorDialogs final : public MeshTutorWindows {
public:
    MeshTutorDialogs(QWidget* parent, MessageFunction message, MeshTutorDrawing drawing);

    bool introduce() override;
    bool countMeshes(int branches, int nodes) override;
    bool labelMeshes(const std::function<void()>& showMeshCurrents) override;
    bool dealWithSources(CurrentSourceQuiz& quiz) override;
    bool showPage(const MeshTutorPage& page) override;

private:
    bool accepted(TutorDialog& dialog) const;

    QWidget* parent;
    MessageFunction message;
    MeshTutorDrawing drawing;
};

// The "Mesh Current Tutor" command on the active circuit: the tutor's windows stand over
// parent (the main window). Messages of the analysis go through the document's port; the
// tutor's own messages through message.
void runMeshCurrentTutor(CKirvoltDoc& doc, QWidget* parent, MessageFunction message = showKirvoltMessage,
                         MeshTutorDrawing drawing = {});

}  // namespace kirvolt
