#pragma once

#include <variant>
#include <vector>

#include "analysis/analysis_method.h"
#include "analysis/explanation.h"
#include "document/circuit_document.h"

namespace kirvolt {

// What a method that solves for branch currents gives runAnalysis: the voltage of every node,
// walked out from the datum along the resistors and voltage sources whose p.d.s the currents
// give, and each voltage source's current; judged by the node voltage method's check of every
// element, so that all methods write the same records or refuse alike. branchCurrents[b] runs
// through branch b from its start to its finish terminal.
std::variant<MethodSolution, Explanation> solutionFromBranchCurrents(const CKirvoltDoc& doc,
                                                                     const std::vector<double>& branchCurrents);

}  // namespace kirvolt
