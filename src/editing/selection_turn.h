#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// A quarter turn anticlockwise on screen (East becomes North), or a mirror image left to right.
enum class Turn { Rotate, Mirror };

// The direction an element faces after the turn; a value that names no direction stays.
int turnedOrientation(int orientation, Turn turn);

// The selected records turned about their common centre on the grid, with what they carry
// (carriedWith): terminals and corners stay on grid points, and a source mirrored faces the
// other way. The centre is chosen so that it is found again after the turn: four rotations or
// two mirrorings give every record back exactly. The refusal, with nothing changed, when a
// point would leave the drawing area.
std::optional<std::string> turnSelection(CKirvoltDoc& doc, const std::vector<CComponent*>& selected, Turn turn);

}  // namespace kirvolt
