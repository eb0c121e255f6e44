#include "theorems/superposition_text.h"

#include "analysis/node_names.h"
#include "analysis/results_text.h"
#include "document/readable_value.h"
#include "document/wording.h"
#include "theorems/thevenin_text.h"

namespace kirvolt {
namespace {

// "3.00 V + (-1.00 V) = 2.00 V   (full analysis: 2.00 V)"
std::string sumText(const std::vector<CircuitValues>& values, std::vector<double> CircuitValues::* member, std::size_t index,
                    double total, double full, const char* unit)
{
    std::string text;
    for (std::size_t p = 0; p < values.size(); ++p) {
        const double value = (values[p].*member)[index];
        const std::string quantity = quantityText(value, 2, unit);
        text += p == 0 ? quantity : value < 0 ? " + (" + quantity + ")" : " + " + quantity;
    }
    return fillIn(wording("Superposition", "%1 = %2   (full analysis: %3)"),
                  {text, quantityText(total, 2, unit), quantityText(full, 2, unit)});
}

}  // namespace

std::string partTitle(const SuperpositionPart& part)
{
    std::vector<std::string> shorted;
    std::vector<std::string> opened;
    for (const CComponent* source : part.zeroed) {
        (source->kindCode == KIND_VOLTAGE_SOURCE ? shorted : opened).push_back(source->label);
    }
    std::vector<std::string> zeroed;
    if (!shorted.empty()) {
        zeroed.push_back(fillIn(wording("Superposition", "%1 shorted"), {namesInWords(shorted)}));
    }
    if (!opened.empty()) {
        zeroed.push_back(fillIn(wording("Superposition", "%1 opened"), {namesInWords(opened)}));
    }
    return zeroed.empty() ? fillIn(wording("Superposition", "%1 alone"), {part.source->label})
                          : fillIn(wording("Superposition", "%1 alone (%2)"), {part.source->label, namesInWords(zeroed)});
}

std::vector<std::string> superpositionLines(const std::vector<SuperpositionPart>& parts, const CKirvoltDoc& full)
{
    std::vector<std::string> lines;
    if (parts.empty()) {
        lines.push_back(wording("Superposition", "This circuit has no source: every voltage and current in it is zero."));
        return lines;
    }
    lines.push_back(wording("Superposition", "Superposition: one part for each source, with every other source set to zero."));
    std::vector<CircuitValues> values;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        lines.push_back("");
        lines.push_back(fillIn(wording("Superposition", "Part %1: %2"), {std::to_string(p + 1), partTitle(parts[p])}));
        for (const ResultsLine& line : resultsPaneLines(*parts[p].doc)) {
            lines.push_back(line.plainText());
        }
        values.push_back(circuitValues(*parts[p].doc, full));
    }
    const CircuitValues sum = sumOfParts(parts, full);
    const CircuitValues whole = circuitValues(full, full);
    lines.push_back("");
    lines.push_back(wording("Superposition", "The sum of the parts beside the full analysis:"));
    const NodeNames names(full);
    for (int k = 1; k <= full.nodeCount; ++k) {
        const auto n = static_cast<std::size_t>(k);
        lines.push_back("  V" + names(k) + " = " +
                        sumText(values, &CircuitValues::nodeVoltages, n, sum.nodeVoltages[n], whole.nodeVoltages[n], "V"));
    }
    for (std::size_t c = 0; c < full.components.size(); ++c) {
        const CComponent& element = *full.components[c];
        if (!isSourceOrResistorKind(element.kindCode)) {
            continue;
        }
        lines.push_back("  " + fillIn(wording("Superposition", "%1: p.d. %2"),
                                      {element.label, sumText(values, &CircuitValues::pds, c, sum.pds[c], whole.pds[c], "V")}));
        lines.push_back("  " + fillIn(wording("Superposition", "%1: current %2"),
                                      {element.label, sumText(values, &CircuitValues::currents, c, sum.currents[c], whole.currents[c], "A")}));
    }
    return lines;
}

}  // namespace kirvolt
