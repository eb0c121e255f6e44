#pragma once

#include <vector>

#include "document/circuit_document.h"
#include "drawing/mesh_current_painter.h"

namespace kirvolt {

// The mesh currents of the circuit, solved once more from its meshes, for the drawing to show
// after a mesh analysis; none for a drawing the method refuses.
std::vector<MeshCurrentMark> meshCurrentMarks(const CKirvoltDoc& doc);

}  // namespace kirvolt
