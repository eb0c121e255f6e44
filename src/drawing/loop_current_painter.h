#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/geometry.h"
#include "drawing/drawing_surface.h"

namespace kirvolt {

// A loop current as the drawing shows it after a loop analysis: its name, the grid points of
// its chord's start and finish terminals, and its current from start to finish.
struct LoopCurrentMark {
    std::string name;
    Point start;
    Point finish;
    double amperes;
};

// A loop a student traced: its current's name, each of its elements as the grid points of the
// terminal the loop enters by and the one it leaves by, and its current once solved.
struct TracedLoopMark {
    std::string name;
    std::vector<std::pair<Point, Point>> elements;
    std::optional<double> amperes;
};

// What a loop analysis shows on the drawing: the tree, as the grid points of each of its
// elements' terminals, and the loop current of every chord; or the loops a student traced.
struct LoopPicture {
    std::vector<std::pair<Point, Point>> tree;
    std::vector<LoopCurrentMark> currents;
    std::vector<TracedLoopMark> traced;
};

// Paints a broad band under each element of the tree, so that the tree stands out thicker
// than the chords once the elements are painted over it.
void paintLoopTree(const LoopPicture& picture, DrawingSurface& surface, int gridSize);

// Paints beside each chord an arrow along it, from its start terminal towards its finish, and
// «I_R3 = 0.12 A».
void paintLoopCurrents(const LoopPicture& picture, DrawingSurface& surface, int gridSize);

// Paints each traced loop in a colour of its own: beside each of its elements a line with an
// arrowhead the way the loop runs, each loop a little further out than the one before, so
// that loops sharing an element stand side by side; at its first element «I2», or
// «I2 = 0.12 A» once solved.
void paintTracedLoops(const LoopPicture& picture, DrawingSurface& surface, int gridSize);

}  // namespace kirvolt
