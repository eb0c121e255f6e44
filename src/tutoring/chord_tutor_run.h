#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document/circuit_document.h"
#include "tutoring/chord_tutor_windows.h"

namespace kirvolt {

// How the drawing is to show the student's tree: its branches, by label, thicker than the
// chords, and once the circuit is solved over it the loop currents with their values.
using TreeShown = std::function<void(const std::vector<std::string>& tree, bool solved)>;

// Leads the student through the loop current method on a tree of the student's own: pick the
// tree by clicking branches, name the chords and their loop currents, see each chord's loop,
// then write each loop's equation and have it checked; at the end the circuit is solved over
// that tree. A circuit the loop current method refuses never reaches the tutor: the method's
// own message says why.
void runChordTutor(CKirvoltDoc& doc, ChordTutorWindows& windows, const TreeShown& showTree);

}  // namespace kirvolt
