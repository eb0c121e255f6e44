#include "theorems/thevenin_text.h"

#include "analysis/named_system.h"
#include "document/readable_value.h"
#include "equations/all_equations.h"

namespace kirvolt {
namespace {

const std::string OHM = "\xCE\xA9";
const std::string THEVENIN = "Th\xC3\xA9venin";

std::string volts(double value) { return quantityText(value, 2, "V"); }
std::string amperes(double value) { return quantityText(value, 2, "A"); }
std::string ohms(double value) { return quantityText(value, 2, OHM); }

// Lines 2 to 5 of every node and then the voltage lines, as the view shows them under the circuit.
void addEquationText(CKirvoltDoc& doc, std::vector<std::string>& lines)
{
    if (const std::optional<std::string> stopped = writeAllEquations(doc)) {
        lines.push_back("    " + *stopped);
    }
    for (int k = 1; k <= doc.nodeCount; ++k) {
        if (k == doc.datumNode) {
            continue;  // its lines 2 to 5 say what its voltage line says
        }
        for (int line = 2; line <= 5; ++line) {
            const std::string& text = doc.equationText[static_cast<std::size_t>(k)][static_cast<std::size_t>(line)];
            if (!text.empty() && (line == 2 || text != doc.equationText[static_cast<std::size_t>(k)][static_cast<std::size_t>(line - 1)])) {
                lines.push_back("    " + text);
            }
        }
    }
    for (int k = 1; k <= doc.nodeCount; ++k) {
        lines.push_back("    " + doc.equationText[static_cast<std::size_t>(k)][CKirvoltDoc::EQUATION_LINES]);
    }
}

std::string zeroedSourcesText(const Netlist& circuit)
{
    std::vector<std::string> shorted;
    std::vector<std::string> opened;
    for (const NetlistElement& element : circuit.elements) {
        if (element.kind == KIND_VOLTAGE_SOURCE) {
            shorted.push_back(element.name);
        } else if (element.kind == KIND_CURRENT_SOURCE) {
            opened.push_back(element.name);
        }
    }
    std::vector<std::string> parts;
    if (!shorted.empty()) {
        parts.push_back(namesInWords(shorted) + " shorted");
    }
    if (!opened.empty()) {
        parts.push_back(namesInWords(opened) + " opened");
    }
    return parts.empty() ? "there are no sources to set to zero" : namesInWords(parts);
}

}  // namespace

EquivalentDrawing drawEquivalent(const std::optional<Netlist>& equivalent)
{
    EquivalentDrawing drawing{drawNetlist(equivalent), {}};
    if (!drawing.doc) {
        return drawing;
    }
    for (const auto& element : drawing.doc->components) {
        if (element->kindCode == KIND_VOLTAGE_SOURCE) {
            drawing.valueLabels[element->recordId] = volts(element->value);
        } else if (element->kindCode == KIND_CURRENT_SOURCE) {
            drawing.valueLabels[element->recordId] = amperes(element->value);
        } else if (element->kindCode == KIND_RESISTOR) {
            drawing.valueLabels[element->recordId] = ohms(element->value);
        }
    }
    return drawing;
}

std::string namesInWords(const std::vector<std::string>& names)
{
    std::string text;
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (k > 0) {
            text += k + 1 == names.size() ? " and " : ", ";
        }
        text += names[k];
    }
    return text;
}

std::vector<std::string> theveninSteps(TheveninStudy& study)
{
    const std::string& a = study.a;
    const std::string& b = study.b;
    const std::string va = "V" + a;
    const std::string vb = "V" + b;
    std::vector<std::string> lines;
    if (study.load) {
        lines.push_back(THEVENIN + " and Norton equivalents as seen by " + *study.load + ", between nodes " + a + " and " + b + ".");
        lines.push_back("1. " + *study.load + " is taken out of the circuit; nodes " + a + " and " + b + " are left open.");
    } else {
        lines.push_back(THEVENIN + " and Norton equivalents between nodes " + a + " and " + b + ".");
        lines.push_back("1. Nodes " + a + " and " + b + " are the terminals; nothing is connected between them.");
    }

    if (study.vth) {
        lines.push_back("2. The open-circuit voltage, by the node voltage method:");
        addEquationText(*study.open, lines);
        lines.push_back("   Vth = " + va + " - " + vb + " = " + volts(solvedNodeVoltage(*study.open, study.nodeA)) + " - " +
                        volts(solvedNodeVoltage(*study.open, study.nodeB)) + " = " + volts(*study.vth) + ".");
    } else {
        const std::string sides = "the side of node " + a + " to the side of node " + b;
        if (study.cutSources.empty()) {
            lines.push_back("2. There is no open-circuit voltage to find: with the terminals open, nothing joins " + sides +
                            ", so nothing fixes the voltage between them.");
        } else {
            const bool one = study.cutSources.size() == 1;
            lines.push_back("2. There is no open-circuit voltage to find: with the terminals open, only " +
                            std::string(one ? "the current source " : "the current sources ") + namesInWords(study.cutSources) +
                            (one ? " joins " : " join ") + sides + (one ? ", which fixes a current and no voltage." : ", which fix currents and no voltage."));
        }
    }

    lines.push_back("3. The sources set to zero (" + zeroedSourcesText(study.circuit) + "), the resistance seen between " + a +
                    " and " + b + ":");
    if (!study.tyingSources.empty()) {
        lines.push_back("   the shorted " + namesInWords(study.tyingSources) + (study.tyingSources.size() == 1 ? " joins " : " join ") + a +
                        " to " + b + ", so Rth = " + ohms(0.0) + ".");
    } else if (study.rth) {
        lines.push_back("   a test current of " + amperes(TEST_CURRENT) + " into " + a + " and out of " + b + " gives " + va + " - " + vb +
                        " = " + volts(*study.rth * TEST_CURRENT) + ", so Rth = " + ohms(*study.rth) + ".");
    } else {
        lines.push_back("   nothing joins " + a + " to " + b + ", so the resistance between them has no bound.");
    }

    if (study.in) {
        lines.push_back("4. The short-circuit current, with " + a + " and " + b + " joined by a wire: In = " + amperes(*study.in) +
                        " from " + a + " through the wire to " + b + ".");
    } else {
        lines.push_back("4. There is no short-circuit current to find: a wire from " + a + " to " + b +
                        " would close a loop with " + namesInWords(study.tyingSources) + ".");
    }

    if (study.vth) {
        lines.push_back(THEVENIN + " equivalent: Vth = " + volts(*study.vth) + ", positive at " + a + ", in series with Rth = " +
                        ohms(*study.rth) + ".");
    } else {
        lines.push_back("There is no " + THEVENIN + " equivalent: the resistance between " + a + " and " + b +
                        " has no bound, and no voltage source in series with a resistor behaves so.");
    }
    if (study.in) {
        lines.push_back("Norton equivalent: In = " + amperes(*study.in) + " into " + a +
                        (study.rth ? ", in parallel with Rth = " + ohms(*study.rth) + "." : ", with no resistor beside it."));
    } else {
        lines.push_back("There is no Norton equivalent: the resistance between " + a + " and " + b +
                        " is zero, and a current source beside a resistor of 0 " + OHM + " would drive its current through a short.");
    }
    return lines;
}

}  // namespace kirvolt
