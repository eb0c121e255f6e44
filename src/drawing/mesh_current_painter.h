#pragma once

#include <optional>
#include <vector>

#include "document/geometry.h"
#include "drawing/drawing_surface.h"

namespace kirvolt {

// A mesh current as the drawing shows it: the mesh's number, the grid point of its top-left
// corner and its clockwise current, none while the student is still to work it out.
struct MeshCurrentMark {
    int mesh;
    Point corner;
    std::optional<double> amperes;
};

// Paints each mesh current inside its mesh below and right of its corner: a red circle with the
// arrowhead on top pointing right, so clockwise, and «I1 = 0.12 A» beside it, or «I1» alone
// for a current without its value.
void paintMeshCurrents(const std::vector<MeshCurrentMark>& marks, DrawingSurface& surface, int gridSize);

}  // namespace kirvolt
