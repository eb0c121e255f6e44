#pragma once

#include <string>
#include <vector>

#include "analysis/loop_system.h"
#include "document/circuit_document.h"

namespace kirvolt {

// The equation written for one fundamental loop: in words, with element names, with their
// value texts and with collected numbers, as the mesh equations are written.
struct LoopEquation {
    std::string words;
    std::string names;
    std::string values;
    std::string numbers;
};

// The equation of every loop of the system, [k - 1] for loop k. The branch tables must be
// filled.
std::vector<LoopEquation> loopEquations(const CKirvoltDoc& doc, const LoopSystem& system);

}  // namespace kirvolt
