#pragma once

#include <optional>
#include <string>

#include "document/circuit_document.h"
#include "tutoring/modified_nodal_windows.h"

namespace kirvolt {

// The largest system the tutor builds: its windows show G and b whole, a column per unknown,
// and beyond this many the entries no longer fit a window one can read beside the drawing.
inline constexpr int MODIFIED_NODAL_TUTOR_LIMIT = 10;

// Why a system of that many unknowns is not taught, or nothing when it is.
std::optional<std::string> modifiedNodalTutorRefusal(int unknowns);

// Leads the student through the system the node voltage method solves: the notes, the
// unknowns, each element's entries added to G and b in turn, then the solution. A circuit the
// analysis refuses, or one too large to show, never reaches the first window: the message says why.
void runModifiedNodalTutor(CKirvoltDoc& doc, ModifiedNodalWindows& windows);

}  // namespace kirvolt
