#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "analysis/explanation.h"
#include "analysis/loop_system.h"
#include "document/circuit_document.h"
#include "document/user_port.h"
#include "equations/equation_reader.h"

namespace kirvolt {

// Loop currents, as the loop equations are written: I_ and the chord's name, or I(R3).
const UnknownWording& loopCurrentWording();

// Makes the tables consistent with the drawing and gives the loop system of the tree of those
// branches (the textbook's when none are named) whose rows a typed loop equation is judged
// against, or why the loop current method would refuse the circuit or the tree.
std::variant<LoopSystem, Explanation> loopEquationCheckSystem(CKirvoltDoc& doc, const std::vector<std::string>& tree = {});

// The loop of the chord named by its label or its loop current (R3, I_R3), or why there is none.
std::variant<int, std::string> loopNamed(const CKirvoltDoc& doc, const LoopSystem& system, std::string_view name);

// Whether the text is the equation the loop current method writes for loop k (the KVL
// equation round it, or I_J1 = J1 for the loop of a current source): the same linear equation
// up to a factor other than zero, loop currents written I_R3, element names standing for their
// values. Wrong equations get each fault named. The system must be the circuit's, from
// loopEquationCheckSystem.
EquationVerdict checkLoopEquation(const CKirvoltDoc& doc, const LoopSystem& system, int loop, std::string_view text);

// What the check dialog of loop k says before anything is typed.
std::string loopEquationCheckInstructions(const CKirvoltDoc& doc, const LoopSystem& system, int loop);

}  // namespace kirvolt
