#pragma once

#include <functional>

#include "document/circuit_document.h"
#include "tutoring/mesh_tutor_windows.h"

namespace kirvolt {

// Whether the drawing shows the clockwise mesh currents; the views draw them, so the caller says how.
using MeshCurrentsShown = std::function<void(bool shown)>;

// Leads the student through the mesh current method on the circuit: count the meshes, label
// their currents, see what each current source does to them, then each mesh's KVL equation with
// its elements marked. A circuit the mesh current method refuses never reaches the tutor: the
// method's own message says why.
void runMeshTutor(CKirvoltDoc& doc, MeshTutorWindows& windows, const MeshCurrentsShown& showMeshCurrents);

}  // namespace kirvolt
