#pragma once

#include <optional>
#include <string>

#include "analysis/named_system.h"

namespace kirvolt {

// Why a system of that many unknowns is not shown, or nothing when it is.
std::optional<std::string> matrixFormRefusal(int unknowns);

// The system as monospaced plain text: the unknowns and what each stands for, one line per
// equation "[ row of G ] · [ x ] = [ b ]" with the columns of G headed by their unknowns and
// every column aligned on its decimal point, then the solution. Ends with a newline.
std::string matrixFormText(const NamedSystem& system);

// The same as a LaTeX fragment for a document that loads amsmath: the matrix equation with one
// bmatrix each for G, x and b, then the solution in an aligned block. Ends with a newline.
std::string matrixFormLatex(const NamedSystem& system);

}  // namespace kirvolt
