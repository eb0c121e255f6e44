#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "export/worked_solution.h"
#include "theorems/thevenin.h"

namespace kirvolt {

// The sections a worked solution is asked to add.
struct SectionRequest {
    std::optional<TheveninQuestion> thevenin;
    bool superposition = false;
    bool formulas = false;
};

// The headings of those sections.
inline constexpr const char* THEVENIN_SECTION = "Th\xC3\xA9venin and Norton equivalents";
inline constexpr const char* SUPERPOSITION_SECTION = "Superposition";
inline constexpr const char* FORMULAS_SECTION = "Node voltages as formulas";

// The sections asked for, in that order, for the analysed circuit, each with the worked text
// of its own command; a superposition or formulas that cannot be given say why in their
// section. Only a Thévenin question that names no node or resistor of the circuit is refused,
// with its message, since the report could not answer what was asked.
std::variant<std::vector<WorkedSection>, std::string> theoremSections(CKirvoltDoc& doc, const SectionRequest& request);

}  // namespace kirvolt
