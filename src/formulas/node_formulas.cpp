#include "formulas/node_formulas.h"

#include <ginac/ginac.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

#include "document/wording.h"
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

// One term of an expanded polynomial: its coefficient and its symbols' powers by name.
struct Term {
    GiNaC::numeric coefficient;
    std::vector<std::pair<std::string, int>> powers;
};

void addFactor(const GiNaC::ex& factor, Term& term)
{
    if (GiNaC::is_a<GiNaC::numeric>(factor)) {
        term.coefficient *= GiNaC::ex_to<GiNaC::numeric>(factor);
    } else if (GiNaC::is_a<GiNaC::symbol>(factor)) {
        term.powers.emplace_back(GiNaC::ex_to<GiNaC::symbol>(factor).get_name(), 1);
    } else if (GiNaC::is_a<GiNaC::power>(factor) && GiNaC::is_a<GiNaC::symbol>(factor.op(0)) &&
               GiNaC::is_a<GiNaC::numeric>(factor.op(1))) {
        term.powers.emplace_back(GiNaC::ex_to<GiNaC::symbol>(factor.op(0)).get_name(),
                                 GiNaC::ex_to<GiNaC::numeric>(factor.op(1)).to_int());
    }
}

// GiNaC orders terms and factors by hashes that change from run to run; a student reading the
// same circuit twice sees the same formula, so the terms are put in the order of their names.
std::vector<Term> sortedTerms(const GiNaC::ex& polynomial)
{
    const GiNaC::ex expanded = polynomial.expand();
    std::vector<GiNaC::ex> parts;
    if (GiNaC::is_a<GiNaC::add>(expanded)) {
        parts.assign(expanded.begin(), expanded.end());
    } else {
        parts.push_back(expanded);
    }
    std::vector<Term> terms;
    for (const GiNaC::ex& part : parts) {
        Term term{1, {}};
        if (GiNaC::is_a<GiNaC::mul>(part)) {
            for (const GiNaC::ex& factor : part) {
                addFactor(factor, term);
            }
        } else {
            addFactor(part, term);
        }
        std::sort(term.powers.begin(), term.powers.end());
        terms.push_back(std::move(term));
    }
    std::sort(terms.begin(), terms.end(), [](const Term& x, const Term& y) { return x.powers < y.powers; });
    return terms;
}

struct Notation {
    std::string (*name)(const std::string&);
    const char* times;
    const char* powerOpen;
    const char* powerClose;
};

const Notation PLAIN{[](const std::string& name) { return name; }, "*", "^", ""};
const Notation LATEX{latexName, " ", "^{", "}"};

std::string polynomialText(const std::vector<Term>& terms, const Notation& notation)
{
    std::string text;
    for (const Term& term : terms) {
        std::ostringstream coefficient;
        coefficient << GiNaC::abs(term.coefficient);
        const bool negative = term.coefficient < 0;
        text += text.empty() ? (negative ? "-" : "") : (negative ? "-" : "+");
        std::string product = term.powers.empty() || coefficient.str() != "1" ? coefficient.str() : "";
        for (const auto& [name, power] : term.powers) {
            product += (product.empty() ? "" : notation.times) + notation.name(name) +
                       (power == 1 ? "" : notation.powerOpen + std::to_string(power) + notation.powerClose);
        }
        text += product;
    }
    return text.empty() ? "0" : text;
}

// The formula as a quotient of two expanded polynomials, the denominator's terms positive
// where a sign can make them so.
struct Quotient {
    std::vector<Term> numerator;
    std::vector<Term> denominator;
};

Quotient quotientOf(const GiNaC::ex& formula)
{
    Quotient q{sortedTerms(formula.numer()), sortedTerms(formula.denom())};
    if (std::all_of(q.denominator.begin(), q.denominator.end(), [](const Term& t) { return t.coefficient < 0; })) {
        for (Term& t : q.numerator) {
            t.coefficient = -t.coefficient;
        }
        for (Term& t : q.denominator) {
            t.coefficient = -t.coefficient;
        }
    }
    return q;
}

bool isOne(const std::vector<Term>& terms)
{
    return terms.size() == 1 && terms.front().powers.empty() && terms.front().coefficient == 1;
}

std::string formulaText(const Quotient& q)
{
    const std::string numerator = polynomialText(q.numerator, PLAIN);
    if (isOne(q.denominator)) {
        return numerator;
    }
    const auto side = [](const std::vector<Term>& terms, const std::string& text) {
        return terms.size() > 1 ? "(" + text + ")" : text;
    };
    return side(q.numerator, numerator) + "/" + side(q.denominator, polynomialText(q.denominator, PLAIN));
}

std::string latexText(const Quotient& q)
{
    const std::string numerator = polynomialText(q.numerator, LATEX);
    if (isOne(q.denominator)) {
        return numerator;
    }
    return "\\frac{" + numerator + "}{" + polynomialText(q.denominator, LATEX) + "}";
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
        return fillIn(wording("Formulas", "Formulas are worked out for circuits of at most %1 unknowns; this one has %2."),
                      {std::to_string(MOST_FORMULA_UNKNOWNS), std::to_string(unknowns)});
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

    // 2. Solved by GiNaC's elimination; each voltage brought to one quotient.
    GiNaC::matrix x(static_cast<unsigned>(std::max(unknowns, 1)), 1);
    std::vector<GiNaC::symbol> unknownSymbols(static_cast<std::size_t>(std::max(unknowns, 1)));
    for (unsigned k = 0; k < unknownSymbols.size(); ++k) {
        x(k, 0) = unknownSymbols[k];
    }
    GiNaC::matrix solution;
    try {
        solution = unknowns == 0 ? x : a.solve(x, b);
    } catch (const std::runtime_error&) {
        return wording("Formulas", "The node equations have no unique solution in letters.");
    }

    // 3. Node by node in the circuit's order, the datum at 0.
    std::vector<NodeFormula> formulas;
    for (int k = 1; k <= doc.nodeCount; ++k) {
        const auto index = std::find(nodeNumbers.begin(), nodeNumbers.end(), k) - nodeNumbers.begin();
        const GiNaC::ex voltage =
            index == 0 ? GiNaC::ex(0) : GiNaC::ex(solution(static_cast<unsigned>(index - 1), 0)).normal();
        const GiNaC::ex number = voltage.subs(values).evalf();
        const Quotient quotient = quotientOf(voltage);
        formulas.push_back({k, circuit.nodes[static_cast<std::size_t>(index)], formulaText(quotient), latexText(quotient),
                            GiNaC::is_a<GiNaC::numeric>(number) ? GiNaC::ex_to<GiNaC::numeric>(number).to_double() : 0.0});
    }
    return formulas;
}

}  // namespace kirvolt
