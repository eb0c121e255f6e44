#pragma once

#include "tutor/clicking_step.h"

namespace kirvolt {

class OpenCircuit;

// The tutors' route for clicks on the circuit: every view of it hands its left clicks on.
ClickRoute clicksOnTheDrawing(OpenCircuit& circuit);

}  // namespace kirvolt
