#include "theorems/thevenin_text.h"

#include "analysis/named_system.h"
#include "document/readable_value.h"
#include "document/text_lists.h"
#include "document/wording.h"
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
        parts.push_back(fillIn(wording("Superposition", "%1 shorted"), {namesInWords(shorted)}));
    }
    if (!opened.empty()) {
        parts.push_back(fillIn(wording("Superposition", "%1 opened"), {namesInWords(opened)}));
    }
    return parts.empty() ? wording("Thevenin", "there are no sources to set to zero") : namesInWords(parts);
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
    return spokenList(names);
}

std::vector<std::string> theveninSteps(TheveninStudy& study)
{
    const std::string& a = study.a;
    const std::string& b = study.b;
    const std::string va = "V" + a;
    const std::string vb = "V" + b;
    std::vector<std::string> lines;
    if (study.load) {
        lines.push_back(fillIn(wording("Thevenin", "%1 and Norton equivalents as seen by %2, between nodes %3 and %4."),
                               {THEVENIN, *study.load, a, b}));
        lines.push_back(fillIn(wording("Thevenin", "1. %1 is taken out of the circuit; nodes %2 and %3 are left open."),
                               {*study.load, a, b}));
    } else {
        lines.push_back(fillIn(wording("Thevenin", "%1 and Norton equivalents between nodes %2 and %3."), {THEVENIN, a, b}));
        lines.push_back(fillIn(wording("Thevenin", "1. Nodes %1 and %2 are the terminals; nothing is connected between them."), {a, b}));
    }

    if (study.vth) {
        lines.push_back(wording("Thevenin", "2. The open-circuit voltage, by the node voltage method:"));
        addEquationText(*study.open, lines);
        lines.push_back("   Vth = " + va + " - " + vb + " = " + volts(solvedNodeVoltage(*study.open, study.nodeA)) + " - " +
                        volts(solvedNodeVoltage(*study.open, study.nodeB)) + " = " + volts(*study.vth) + ".");
    } else {
        if (study.cutSources.empty()) {
            lines.push_back(fillIn(wording("Thevenin", "2. There is no open-circuit voltage to find: with the terminals open, "
                                                       "nothing joins the side of node %1 to the side of node %2, so nothing "
                                                       "fixes the voltage between them."),
                                   {a, b}));
        } else {
            const bool one = study.cutSources.size() == 1;
            lines.push_back(fillIn(one ? wording("Thevenin", "2. There is no open-circuit voltage to find: with the terminals open, "
                                                             "only the current source %1 joins the side of node %2 to the side of "
                                                             "node %3, which fixes a current and no voltage.")
                                       : wording("Thevenin", "2. There is no open-circuit voltage to find: with the terminals open, "
                                                             "only the current sources %1 join the side of node %2 to the side of "
                                                             "node %3, which fix currents and no voltage."),
                                   {namesInWords(study.cutSources), a, b}));
        }
    }

    lines.push_back(fillIn(wording("Thevenin", "3. The sources set to zero (%1), the resistance seen between %2 and %3:"),
                           {zeroedSourcesText(study.circuit), a, b}));
    if (!study.tyingSources.empty()) {
        lines.push_back("   " + fillIn(study.tyingSources.size() == 1 ? wording("Thevenin", "the shorted %1 joins %2 to %3, so Rth = %4.")
                                                                     : wording("Thevenin", "the shorted %1 join %2 to %3, so Rth = %4."),
                                       {namesInWords(study.tyingSources), a, b, ohms(0.0)}));
    } else if (study.rth) {
        lines.push_back("   " + fillIn(wording("Thevenin", "a test current of %1 into %2 and out of %3 gives %4 - %5 = %6, so Rth = %7."),
                                       {amperes(TEST_CURRENT), a, b, va, vb, volts(*study.rth * TEST_CURRENT), ohms(*study.rth)}));
    } else {
        lines.push_back("   " + fillIn(wording("Thevenin", "nothing joins %1 to %2, so the resistance between them has no bound."), {a, b}));
    }

    if (study.in) {
        lines.push_back(fillIn(wording("Thevenin", "4. The short-circuit current, with %1 and %2 joined by a wire: In = %3 "
                                                   "from %1 through the wire to %2."),
                               {a, b, amperes(*study.in)}));
    } else {
        lines.push_back(fillIn(wording("Thevenin", "4. There is no short-circuit current to find: a wire from %1 to %2 would "
                                                   "close a loop with %3."),
                               {a, b, namesInWords(study.tyingSources)}));
    }

    if (study.vth) {
        lines.push_back(fillIn(wording("Thevenin", "%1 equivalent: Vth = %2, positive at %3, in series with Rth = %4."),
                               {THEVENIN, volts(*study.vth), a, ohms(*study.rth)}));
    } else {
        lines.push_back(fillIn(wording("Thevenin", "There is no %1 equivalent: the resistance between %2 and %3 has no bound, "
                                                   "and no voltage source in series with a resistor behaves so."),
                               {THEVENIN, a, b}));
    }
    if (study.in) {
        lines.push_back(study.rth ? fillIn(wording("Thevenin", "Norton equivalent: In = %1 into %2, in parallel with Rth = %3."),
                                           {amperes(*study.in), a, ohms(*study.rth)})
                                  : fillIn(wording("Thevenin", "Norton equivalent: In = %1 into %2, with no resistor beside it."),
                                           {amperes(*study.in), a}));
    } else {
        lines.push_back(fillIn(wording("Thevenin", "There is no Norton equivalent: the resistance between %1 and %2 is zero, and "
                                                   "a current source beside a resistor of 0 %3 would drive its current through a short."),
                               {a, b, OHM}));
    }
    return lines;
}

}  // namespace kirvolt
