#pragma once

#include <functional>

#include "document/circuit_document.h"
#include "tutor/tutor_dialogs.h"
#include "tutoring/mesh_tutor_run.h"
#include "tutoring/mesh_tutor_windows.h"
#include "view/widgets/kirvolt_message.h"

class QWidget;

namespace kirvolt {

class TutorDialog;

// What the drawing marks while a window of the tutor's last steps is up; none when null.
using MarkFunction = std::function<void(const Highlight*)>;

// What the drawing does for the tutor: the highlight each page marks, and the mesh currents.
struct MeshTutorDrawing {
    MarkFunction mark = [](const Highlight*) {};
    MeshCurrentsShown showMeshCurrents = [](bool) {};
    ExplainedArea explained;
};

// The tutor's steps as modal dialogs over the main window, each kept clear of the circuit.
class MeshTutorDialogs final : public MeshTutorWindows {
public:
    MeshTutorDialogs(QWidget* parent, MessageFunction message, MeshTutorDrawing drawing);

    bool introduce() override;
    bool countMeshes(int branches, int nodes) override;
    bool labelMeshes(const std::function<void()>& showMeshCurrents) override;
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
