#pragma once

#include <vector>

#include "analysis/plane_meshes.h"
#include "document/circuit_document.h"
#include "document/geometry.h"
#include "equations/node_equation_display.h"

namespace kirvolt {

// The mesh's elements painted red.
Highlight meshElements(const CKirvoltDoc& doc, const Mesh& mesh);

// What a click at the point shows after a mesh analysis: inside a mesh, its elements marked
// and its equation in the equation dialog; a drawing without meshes gets why.
std::vector<NodeEquationStep> showMeshEquation(CKirvoltDoc& doc, Point point);

}  // namespace kirvolt
