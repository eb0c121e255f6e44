#include "formulas/node_formulas.h"

#include <ginac/ginac.h>

#include <cctype>
#include <map>
#include <sstream>

#include "theorems/analysed_netlist.h"

namespace kirvolt {
namespace {

// "R12" is written R_{12} in LaTeX; a name that does not end in digits keeps its letters.
std::string latexName(const std::string& name)
{
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) {
        --digits;
    }
    if (digits == 0 || digits == name.size()) {
        return name;
    }
    return name.substr(0, digits) + "_{" + name.substr(digits) + "}";
}

// A quotient with its numerator and denominator in brackets only where they are sums.
std::string formulaText(const GiNaC::ex& formula)
{
    const GiNaC::ex numerator = formula.numer();
    const GiNaC::ex denominator = formula.denom();
    const auto side = [](const GiNaC::ex& e) {
        std::ostringstream text;
        text << e;
        return GiNaC::is_a<GiNaC::add>(e) ? "(" + text.str() + ")" : text.str();
    };
    if (denominator.is_equal(GiNaC::ex(1))) {
        std::ostringstream text;
        text << numerator;
        return text.str();
    }
    return side(numerator) + "/" + side(denominator);
}

std::string latexText(const GiNaC::ex& formula)
{
    std::ostringstream text;
    text << GiNaC::latex << formula;
    return text.str();
}

}  // namespace

std::variant<std::vector<NodeFormula>, std::string> nodeFormulas(const CKirvoltDoc& doc)
{
    std::vector<int> nodeNumbers;
    const Netlist circuit = analysedNetlist(doc, nodeNumbers);
    const int nodes = static_cast<int>(circuit.nodes.size()) - 1;  // the datum is no unknown
    int unknowns = nodes;
    for (const NetlistElement& element : circuit.elements) {
        unknowns += element.kind == KIND_VOLTAGE_SOURCE ? 1 : 0;
    }
    if (unknowns > MOST_FORMULA_UNKNOWNS) {
        return "Formulas are worked out for circuits of at most " + std::to_string(MOST_FORMULA_UNKNOWNS) +
               " unknowns; this one has " + std::to_string(unknowns) + ".";
    }

    // 1. The modified nodal system in letters: node k of the netlist is unknown k - 1, each
    //    voltage source adds its current; one symbol per element name.
    std::map<std::string, GiNaC::symbol> symbols;
    GiNaC::exmap values;
    const auto symbolOf = [&](const NetlistElement& element) -> GiNaC::ex {
        const auto [at, added] = symbols.try_emplace(element.name, element.name, latexName(element.name));
        if (added) {
            values[at->second] = element.value;
        }
        return at->second;
    };
    GiNaC::matrix a(static_cast<unsigned>(std::max(unknowns, 1)), static_cast<unsigned>(std::max(unknowns, 1)));
    GiNaC::matrix b(static_cast<unsigned>(std::max(unknowns, 1)), 1);
    const auto add = [](GiNaC::matrix& m, int row, int column, const GiNaC::ex& term) {
        if (row > 0 && column > 0) {
            m(static_cast<unsigned>(row - 1), static_cast<unsigned>(column - 1)) += term;
        }
    };
    int row = nodes;
    for (const NetlistElement& element : circuit.elements) {
        const int c = element.start;
        const int d = element.finish;
        const GiNaC::ex value = symbolOf(element);
        if (element.kind == KIND_RESISTOR) {
            // G[c][c] += 1/R, G[d][d] += 1/R, G[c][d] -= 1/R, G[d][c] -= 1/R
            add(a, c, c, 1 / value);
            add(a, d, d, 1 / value);
            add(a, c, d, -1 / value);
            add(a, d, c, -1 / value);
        } else if (element.kind == KIND_VOLTAGE_SOURCE) {
            // V(c) - V(d) = E, and the source's current leaves c and enters d
            ++row;
            add(a, c, row, 1);
            add(a, row, c, 1);
            add(a, d, row, -1);
            add(a, row, d, -1);
            add(b, row, 1, value);
        } else {
            // the source drives J out of c and into d
            add(b, c, 1, -value);
            add(b, d, 1, value);
        }
    }

    // 2. Solved by fraction-free elimination; each voltage brought to one quotient.
    GiNaC::matrix x(static_cast<unsigned>(std::max(unknowns, 1)), 1);
    std::vector<GiNaC::symbol> unknownSymbols(static_cast<std::size_t>(std::max(unknowns, 1)));
    for (unsigned k = 0; k < unknownSymbols.size(); ++k) {
        x(k, 0) = unknownSymbols[k];
    }
    GiNaC::matrix solution;
    try {
        solution = unknowns == 0 ? x : a.solve(x, b);
    } catch (const std::runtime_error&) {
        return std::string("The node equations have no unique solution in letters.");
    }

    // 3. Node by node in the circuit's order, the datum at 0.
    std::vector<NodeFormula> formulas;
    for (int k = 1; k <= doc.nodeCount; ++k) {
        const auto index = std::find(nodeNumbers.begin(), nodeNumbers.end(), k) - nodeNumbers.begin();
        const GiNaC::ex voltage =
            index == 0 ? GiNaC::ex(0) : GiNaC::ex(solution(static_cast<unsigned>(index - 1), 0)).normal();
        const GiNaC::ex number = voltage.subs(values).evalf();
        formulas.push_back({k, circuit.nodes[static_cast<std::size_t>(index)], formulaText(voltage), latexText(voltage),
                            GiNaC::is_a<GiNaC::numeric>(number) ? GiNaC::ex_to<GiNaC::numeric>(number).to_double() : 0.0});
    }
    return formulas;
}

}  // namespace kirvolt
