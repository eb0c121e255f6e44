#pragma once

class QWidget;

namespace kirvolt {

class OpenCircuit;

// The "Mesh Current Tutor" command on an open circuit: every view of it marks what the tutor's
// windows explain and draws the mesh currents when the student asks for them.
void runMeshTutorCommand(OpenCircuit& circuit, QWidget* parent);

}  // namespace kirvolt
