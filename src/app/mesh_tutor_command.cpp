#include "app/mesh_tutor_command.h"

#include "app/kirvolt_frame.h"
#include "app/mesh_current_marks.h"
#include "app/open_circuit.h"
#include "app/tutor_clicks.h"
#include "tutor/mesh_current_tutor.h"
#include "view/circuit_view.h"

namespace kirvolt {

void runMeshTutorCommand(OpenCircuit& circuit, QWidget* parent)
{
    MeshTutorDrawing drawing;
    drawing.mark = [&circuit](const Highlight* highlight) { circuit.setHighlight(highlight); };
    drawing.showMeshCurrents = [&circuit](MeshCurrentsDrawn drawn) {
        std::vector<MeshCurrentMark> marks =
            drawn == MeshCurrentsDrawn::hidden ? std::vector<MeshCurrentMark>{} : meshCurrentMarks(circuit.doc());
        for (MeshCurrentMark& mark : marks) {
            if (drawn == MeshCurrentsDrawn::named) {
                mark.amperes.reset();
            }
        }
        for (CKirvoltFrame* frame : circuit.frames()) {
            frame->circuitView()->showMeshCurrents(marks);
        }
    };
    drawing.explained = [&circuit] { return circuit.drawingOnScreen(); };
    drawing.takeClicks = clicksOnTheDrawing(circuit);
    runMeshCurrentTutor(circuit.doc(), parent, showKirvoltMessage, std::move(drawing));
}

}  // namespace kirvolt
