#include "app/tutor_clicks.h"

#include "app/kirvolt_frame.h"
#include "app/open_circuit.h"
#include "view/circuit_view.h"

namespace kirvolt {

ClickRoute clicksOnTheDrawing(OpenCircuit& circuit)
{
    return [&circuit](std::function<void(Point)> take) {
        QList<QWidget*> views;
        for (CKirvoltFrame* frame : circuit.frames()) {
            frame->circuitView()->takeClicks(take);
            views.append(frame->circuitView());
        }
        return views;
    };
}

}  // namespace kirvolt
