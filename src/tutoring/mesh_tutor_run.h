#pragma once

#include <functional>

#include "document/circuit_document.h"
#include "tutoring/mesh_tutor_windows.h"

namespace kirvolt {

// How the drawing is to show the clockwise mesh currents; the views draw them, so the caller says how.
using MeshCurrentsShown = std::function<void(MeshCurrentsDrawn drawn)>;

// Leads the student through the mesh current method on the circuit: count the meshes, label
// their currents, find by clicking what each current source does to them, then each mesh's KVL
// equation with its elements marked, and then the student's own equation of each mesh, judged
// in Check My Mesh Equation's window through the document's port; at the end the mesh currents
// are drawn with their values.
// A circuit the mesh current method refuses never reaches the tutor: the method's own message
// says why.
void runMeshTutor(CKirvoltDoc& doc, MeshTutorWindows& windows, const MeshCurrentsShown& showMeshCurrents);

}  // namespace kirvolt
