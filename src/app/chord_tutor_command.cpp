#include "app/chord_tutor_command.h"

#include "app/kirvolt_frame.h"
#include "app/loop_current_marks.h"
#include "app/open_circuit.h"
#include "app/tutor_clicks.h"
#include "tutor/chord_current_tutor.h"
#include "view/circuit_view.h"

namespace kirvolt {

void runChordTutorCommand(OpenCircuit& circuit, QWidget* parent)
{
    ChordTutorDrawing drawing;
    drawing.mark = [&circuit](const Highlight* highlight) { circuit.setHighlight(highlight); };
    drawing.showTree = [&circuit](const std::vector<std::string>& tree, bool solved) {
        const LoopPicture picture = solved ? loopCurrentPicture(circuit.doc(), tree) : treePicture(circuit.doc(), tree);
        for (CKirvoltFrame* frame : circuit.frames()) {
            frame->circuitView()->showLoopCurrents(picture);
            if (solved) {
                frame->revealResults();
            }
        }
    };
    drawing.explained = [&circuit] { return circuit.drawingOnScreen(); };
    drawing.takeClicks = clicksOnTheDrawing(circuit);
    runChordCurrentTutor(circuit.doc(), parent, std::move(drawing));
}

}  // namespace kirvolt
