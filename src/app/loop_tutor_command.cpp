#include "app/loop_tutor_command.h"

#include "app/kirvolt_frame.h"
#include "app/loop_current_marks.h"
#include "app/open_circuit.h"
#include "app/tutor_clicks.h"
#include "tutor/loop_current_tutor.h"
#include "view/circuit_view.h"

namespace kirvolt {

void runLoopTutorCommand(OpenCircuit& circuit, QWidget* parent)
{
    LoopTutorDrawing drawing;
    drawing.mark = [&circuit](const Highlight* highlight) { circuit.setHighlight(highlight); };
    drawing.showLoops = [&circuit](const std::vector<std::vector<LoopStep>>& loops, const std::vector<double>& currents) {
        const LoopPicture picture = tracedLoopPicture(circuit.doc(), loops, currents);
        for (CKirvoltFrame* frame : circuit.frames()) {
            frame->circuitView()->showMeshCurrents({});
            frame->circuitView()->showLoopCurrents(picture);
            // Solved, the student's loops have filled the results pane as any analysis does.
            if (!currents.empty()) {
                frame->revealResults();
            }
        }
    };
    drawing.explained = [&circuit] { return circuit.drawingOnScreen(); };
    drawing.takeClicks = clicksOnTheDrawing(circuit);
    runLoopCurrentTutor(circuit.doc(), parent, showKirvoltMessage, std::move(drawing));
}

}  // namespace kirvolt
