#pragma once

#include <string>
#include <variant>
#include <vector>

#include "analysis/explanation.h"
#include "analysis/mesh_system.h"
#include "document/circuit_document.h"

namespace kirvolt {

// The equation written for one mesh: the equation in words, then with element names, with
// their value texts and with collected numbers, as the node equations go from names to numbers.
struct MeshEquation {
    std::string words;
    std::string names;
    std::string values;
    std::string numbers;
};

// The current a resistor carries as a mesh meets it: «I1», or «(I1 − I2)» beside mesh 2.
std::string meshCurrentThrough(int mesh, int other);

// The equation of every mesh of the system, [k - 1] for mesh k. The branch tables must be
// filled.
std::vector<MeshEquation> meshEquations(const CKirvoltDoc& doc, const MeshSystem& system);

// The same for the numbered circuit, or why its drawing has no meshes to write them for.
std::variant<std::vector<MeshEquation>, Explanation> writeMeshEquations(const CKirvoltDoc& doc);

}  // namespace kirvolt
