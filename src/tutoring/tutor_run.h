#pragma once

#include "document/circuit_document.h"
#include "tutoring/tutor_windows.h"

namespace kirvolt {

// Leads the student through the node voltage method on the circuit: count the nodes, label
// them, choose the datum node, write the KCL equations; then solves with the chosen datum and
// shows the program's own equations. A circuit the analysis refuses never reaches the tutor.
void runNodalTutor(CKirvoltDoc& doc, TutorWindows& windows);

}  // namespace kirvolt
