#pragma once

class QWidget;

namespace kirvolt {

class OpenCircuit;

// The "Chord Current Tutor" command on an open circuit: every view of it marks what the
// tutor's windows explain, draws the student's tree as it grows and, at the end, the loop
// currents solved over it.
void runChordTutorCommand(OpenCircuit& circuit, QWidget* parent);

}  // namespace kirvolt
