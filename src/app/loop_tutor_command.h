#pragma once

class QWidget;

namespace kirvolt {

class OpenCircuit;

// The "Loop Current Tutor" command on an open circuit: every view of it marks what the tutor's
// windows explain, takes the clicks of the tracing step and draws the student's loops.
void runLoopTutorCommand(OpenCircuit& circuit, QWidget* parent);

}  // namespace kirvolt
