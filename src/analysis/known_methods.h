#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis_method.h"

namespace kirvolt {

// Every method of analysis the program teaches, the default first.
const std::vector<const AnalysisMethod*>& knownMethods();

// The method of that name, or none.
const AnalysisMethod* methodNamed(std::string_view name);

// The method last chosen for the circuit, the default until one is.
const AnalysisMethod& methodOf(const CKirvoltDoc& doc);

// Their names, as a message lists them: "nodal, mesh, loop".
std::string knownMethodNames();

}  // namespace kirvolt
