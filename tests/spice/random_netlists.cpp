#include "random_netlists.h"

#include <charconv>

#include "document/codes.h"

namespace kirvolt::testing {
namespace {

int between(std::mt19937& random, int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

std::string shortest(double value)
{
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// The value as SPICE may write it: plain, or scaled with a factor and a unit after it.
std::string valueText(double value, const char* unit, std::mt19937& random)
{
    static const std::pair<const char*, double> scales[] = {{"k", 1e3}, {"K", 1e3}, {"m", 1e-3}, {"Meg", 1e6},
                                                            {"u", 1e-6}, {"n", 1e-9}, {"", 1}};
    const auto& [factor, size] = scales[between(random, 0, 6)];
    std::string text = shortest(value / size) + factor;
    return between(random, 0, 2) == 0 ? text + unit : text;
}

std::string mixedCase(const std::string& text, std::mt19937& random)
{
    std::string result = text;
    for (char& c : result) {
        if (c >= 'a' && c <= 'z' && between(random, 0, 1) == 1) {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return result;
}

}  // namespace

RandomNetlist writeRandomNetlist(const RandomCircuit& circuit, std::mt19937& random)
{
    RandomNetlist netlist;
    const int style = between(random, 0, 2);
    for (int h = 0; h < circuit.hubs; ++h) {
        const std::string number = std::to_string(h + 1);
        netlist.nodeNames.push_back(h == circuit.datumHub ? "0"
                                    : style == 0         ? number
                                    : style == 1         ? "n" + number
                                                         : "node_" + number);
    }
    netlist.text = "random circuit of " + std::to_string(circuit.parts.size()) + " elements\n";
    for (std::size_t k = 0; k < circuit.parts.size(); ++k) {
        const Part& p = circuit.parts[k];
        const char* letter = p.kind == KIND_RESISTOR ? "r" : p.kind == KIND_VOLTAGE_SOURCE ? "v" : "i";
        const char* prefix = p.kind == KIND_RESISTOR ? "R" : p.kind == KIND_VOLTAGE_SOURCE ? "E" : "J";
        std::string name = mixedCase(letter, random) + (between(random, 0, 1) == 1 ? prefix : "") + std::to_string(k + 1);
        netlist.partNames.push_back(name);
        const auto node = [&](int hub) {
            const std::string& written = netlist.nodeNames[static_cast<std::size_t>(hub)];
            return written == "0" && between(random, 0, 3) == 0 ? mixedCase("gnd", random) : mixedCase(written, random);
        };
        std::string card = name + " " + node(p.a) + (between(random, 0, 4) == 0 ? "\n+ " : "\t") + node(p.b) + " ";
        if (p.kind == KIND_RESISTOR) {
            card += valueText(p.value, "ohm", random);
        } else {
            const int keyword = between(random, 0, 2);
            card += (keyword == 0 ? "" : keyword == 1 ? "DC " : "dc=") +
                    valueText(p.value, p.kind == KIND_VOLTAGE_SOURCE ? "V" : "A", random);
        }
        if (between(random, 0, 5) == 0) {
            card += " ; " + name + " is a part";
        }
        netlist.text += card + "\n";
        if (between(random, 0, 6) == 0) {
            netlist.text += "* a comment after " + name + "\n";
        }
    }
    netlist.text += between(random, 0, 1) == 1 ? ".op\n.end\n" : ".end\n";
    return netlist;
}

Netlist randomLayoutNetlist(std::mt19937& random, int maxElements)
{
    Netlist netlist;
    const int nodes = between(random, 1, 40);
    for (int k = 0; k <= nodes; ++k) {
        netlist.nodes.push_back(k == 0 ? "0" : "n" + std::to_string(k));
    }
    const bool grounded = between(random, 0, 9) > 0;
    const int elements = between(random, 1, maxElements);
    static const std::uint16_t kinds[] = {KIND_RESISTOR, KIND_VOLTAGE_SOURCE, KIND_CURRENT_SOURCE};
    for (int i = 0; i < elements; ++i) {
        const int low = grounded ? 0 : 1;
        int a = between(random, low, nodes);
        int b = between(random, low, nodes);
        if (between(random, 0, 29) > 0 && a == b) {
            b = a == nodes ? low : a + 1;
        }
        if (between(random, 0, 9) == 0 && i > 0) {
            a = netlist.elements.back().start;
            b = netlist.elements.back().finish;
        }
        const std::uint16_t kind = kinds[between(random, 0, 2)];
        netlist.elements.push_back({kind, std::string(kind == KIND_RESISTOR ? "R" : kind == KIND_VOLTAGE_SOURCE ? "E" : "J") +
                                              std::to_string(i + 1),
                                    a, b, static_cast<double>(between(random, 1, 1000))});
    }
    return netlist;
}

}  // namespace kirvolt::testing
