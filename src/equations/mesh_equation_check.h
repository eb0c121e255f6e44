#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "analysis/explanation.h"
#include "analysis/mesh_system.h"
#include "document/circuit_document.h"
#include "document/user_port.h"
#include "equations/equation_reader.h"

namespace kirvolt {

// Mesh currents, as the mesh equations are written: I and the mesh's number.
const UnknownWording& meshCurrentWording();

// Makes the tables consistent with the drawing and gives the mesh system whose rows a typed
// mesh equation is judged against, or why the mesh current method would refuse the circuit.
std::variant<MeshSystem, Explanation> meshEquationCheckSystem(CKirvoltDoc& doc);

// Why the system has no mesh of that number; none when it has.
std::optional<std::string> meshNumberRefusal(const MeshSystem& system, int mesh);

// Whether the text is the equation the mesh current method writes for the mesh (its KVL
// equation, the supermesh's where current sources join it to others, or the current a source
// fixes): the same linear equation up to a factor other than zero, mesh currents written I1,
// I2, element names standing for their values. Wrong equations get each fault named. The
// system must be the circuit's, from meshEquationCheckSystem.
EquationVerdict checkMeshEquation(const CKirvoltDoc& doc, const MeshSystem& system, int mesh, std::string_view text);

// What the check dialog of the mesh says before anything is typed.
std::string meshEquationCheckInstructions(const CKirvoltDoc& doc, const MeshSystem& system, int mesh);

}  // namespace kirvolt
