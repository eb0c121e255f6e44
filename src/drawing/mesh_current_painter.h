#pragma once

#include <vector>

#include "document/geometry.h"
#include "drawing/drawing_surface.h"

namespace kirvolt {

// A mesh current as the drawing shows it after a mesh analysis: the mesh's number, the grid
// point of its top-left corner and its clockwise current.
struct MeshCurrentMark {
    int mesh;
    Point corner;
    double amperes;
};

// Paints each mesh current inside its mesh below and right of its corner: a red circle with the
// arrowhead on top pointing right, so clockwise, and «I1 = 0.12 A» beside it.
void paintMeshCurrents(const std::vector<MeshCurrentMark>& marks, DrawingSurface& surface, int gridSize);

}  // namespace kirvolt
