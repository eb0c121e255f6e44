#include "theorems/superposition.h"

#include "analysis/named_system.h"
#include "analysis/nodal_solver.h"
#include "document/circuit_file.h"

namespace kirvolt {
namespace {

bool isIndependentSource(int kind) { return kind == KIND_VOLTAGE_SOURCE || kind == KIND_CURRENT_SOURCE; }

}  // namespace

std::variant<std::vector<SuperpositionPart>, std::string> superpose(CKirvoltDoc& doc)
{
    // The file's bytes copy the circuit with its nodes and datum exactly, so every part has
    // the circuit's node numbers and list order.
    const std::vector<std::uint8_t> bytes = circuitBytes(doc);
    std::vector<SuperpositionPart> parts;
    for (std::size_t s = 0; s < doc.components.size(); ++s) {
        if (!isIndependentSource(doc.components[s]->kindCode)) {
            continue;
        }
        SuperpositionPart part;
        part.source = doc.components[s].get();
        part.doc = std::make_unique<CKirvoltDoc>();
        readCircuitBytes(bytes, *part.doc);
        for (std::size_t c = 0; c < doc.components.size(); ++c) {
            if (c != s && isIndependentSource(doc.components[c]->kindCode)) {
                part.zeroed.push_back(doc.components[c].get());
                part.doc->components[c]->value = 0.0;
            }
        }
        // A source at zero is refused by the rule checks, which the full circuit has passed.
        if (const AnalysisOutcome outcome = runAnalysis(*part.doc, nodalMethod(), RuleChecks::skipped); !outcome) {
            return part.source->label + " alone: " + outcome.refusal->message;
        }
        parts.push_back(std::move(part));
    }
    return parts;
}

std::unique_ptr<CKirvoltDoc> partDrawing(const SuperpositionPart& part)
{
    auto drawing = std::make_unique<CKirvoltDoc>();
    readCircuitBytes(circuitBytes(*part.doc), *drawing);
    CKirvoltDoc::ComponentList& list = drawing->components;
    for (std::size_t c = 0; c < list.size(); ++c) {
        CComponent& element = *list[c];
        if (!isIndependentSource(element.kindCode) || element.value != 0.0) {
            continue;
        }
        if (element.kindCode == KIND_VOLTAGE_SOURCE) {
            list[c] = std::make_unique<CWire>(drawing->wireCount++, element.startPoint, element.finishPoint, COLOUR_WIRE, KIND_WIRE,
                                              drawing->gridSize, drawing->display().resistorStyle);
        } else {
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(c--));
        }
    }
    return drawing;
}

CircuitValues circuitValues(const CKirvoltDoc& solved, const CKirvoltDoc& full)
{
    CircuitValues values;
    for (int k = 0; k <= solved.nodeCount; ++k) {
        values.nodeVoltages.push_back(k == 0 ? 0.0 : solvedNodeVoltage(solved, k));
    }
    for (std::size_t c = 0; c < solved.components.size(); ++c) {
        const CComponent& element = *solved.components[c];
        const double sign = element.startNode == full.components.at(c)->startNode ? 1.0 : -1.0;
        values.pds.push_back(sign * element.pd);
        values.currents.push_back(sign * element.current);
    }
    return values;
}

CircuitValues sumOfParts(const std::vector<SuperpositionPart>& parts, const CKirvoltDoc& full)
{
    CircuitValues sum = circuitValues(full, full);
    std::fill(sum.nodeVoltages.begin(), sum.nodeVoltages.end(), 0.0);
    std::fill(sum.pds.begin(), sum.pds.end(), 0.0);
    std::fill(sum.currents.begin(), sum.currents.end(), 0.0);
    for (const SuperpositionPart& part : parts) {
        const CircuitValues values = circuitValues(*part.doc, full);
        for (std::size_t k = 0; k < sum.nodeVoltages.size() && k < values.nodeVoltages.size(); ++k) {
            sum.nodeVoltages[k] += values.nodeVoltages[k];
        }
        for (std::size_t c = 0; c < sum.pds.size(); ++c) {
            sum.pds[c] += values.pds[c];
            sum.currents[c] += values.currents[c];
        }
    }
    return sum;
}

}  // namespace kirvolt
