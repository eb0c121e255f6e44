#pragma once

#include <string>

#include "analysis/analysis_method.h"
#include "analysis/mesh_system.h"

namespace kirvolt {

// The mesh current method: one clockwise current round each mesh of a plane drawing, solved
// from R·I = E; the node voltages, taken from the datum along resistors and voltage sources,
// give every element its p.d. and current as the node voltage method does.
const AnalysisMethod& meshMethod();

// runAnalysis with the mesh current method, as the analysis command runs it: a refusal says,
// as the node voltage method's does, that ammeters were taken as wires.
AnalysisOutcome runMeshAnalysis(CKirvoltDoc& doc);

// Mesh k's current, as every text names it.
std::string meshCurrentName(int mesh);

// The unknown of mesh k.
Unknown meshCurrentUnknown(int mesh);

}  // namespace kirvolt
