#pragma once

#include <memory>

#include "analysis/mesh_system.h"
#include "document/circuit_document.h"
#include "document/geometry.h"
#include "document/user_port.h"

namespace kirvolt {

// A click at the point in equation-check mode: on a joint, the check dialog of its node with
// the node (or its whole macro node) marked; a circuit that cannot be checked against gets the
// analysis's refusal instead. Off the joints nothing happens.
void presentEquationCheck(CKirvoltDoc& doc, Point point, UserPort& port);

// A click at the point in mesh-equation-check mode: inside a mesh, the check dialog of its
// equation with its elements marked; a drawing the mesh current method refuses gets its
// refusal instead. Outside the meshes nothing happens. When the circuit is analysed by the loop
// current method, a click on a chord gives the check dialog of its loop, the loop marked.
void presentMeshEquationCheck(CKirvoltDoc& doc, Point point, UserPort& port);

// Runs the check dialog of the mesh's equation through the port, its elements marked. The
// system is the circuit's, from meshEquationCheckSystem; the dialog keeps it while it checks.
void showMeshEquationCheck(CKirvoltDoc& doc, const std::shared_ptr<const MeshSystem>& system, int mesh, UserPort& port);

}  // namespace kirvolt
