#include "reporting/theorem_sections.h"

#include "formulas/node_formulas.h"
#include "theorems/superposition_text.h"
#include "theorems/thevenin_text.h"

namespace kirvolt {
namespace {

WorkedSection superpositionSection(CKirvoltDoc& doc)
{
    const auto parts = superpose(doc);
    if (const auto* refusal = std::get_if<std::string>(&parts)) {
        return {SUPERPOSITION_SECTION, {*refusal}};
    }
    return {SUPERPOSITION_SECTION, superpositionLines(std::get<0>(parts), doc)};
}

WorkedSection formulasSection(const CKirvoltDoc& doc)
{
    const auto formulas = nodeFormulas(doc);
    if (const auto* refusal = std::get_if<std::string>(&formulas)) {
        return {FORMULAS_SECTION, {*refusal}};
    }
    return {FORMULAS_SECTION, formulaLines(std::get<0>(formulas))};
}

}  // namespace

std::variant<std::vector<WorkedSection>, std::string> theoremSections(CKirvoltDoc& doc, const SectionRequest& request)
{
    std::vector<WorkedSection> sections;
    if (request.thevenin) {
        auto answer = studyThevenin(doc, *request.thevenin);
        if (auto* refusal = std::get_if<std::string>(&answer)) {
            return std::move(*refusal);
        }
        sections.push_back({THEVENIN_SECTION, theveninSteps(std::get<TheveninStudy>(answer))});
    }
    if (request.superposition) {
        sections.push_back(superpositionSection(doc));
    }
    if (request.formulas) {
        sections.push_back(formulasSection(doc));
    }
    return sections;
}

}  // namespace kirvolt
