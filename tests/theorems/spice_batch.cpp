#include "spice_batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "analysis/nodal_solver.h"
#include "document/circuit_file.h"
#include "support/ngspice.h"

namespace kirvolt::testing {
namespace {

std::string nodeName(int circuit, int node)
{
    return node == 0 ? "0" : "c" + std::to_string(circuit) + "_" + std::to_string(node);
}

std::string elementName(int circuit, int element, int kind)
{
    const char letter = kind == KIND_RESISTOR ? 'r' : kind == KIND_VOLTAGE_SOURCE ? 'v' : 'i';
    return letter + std::string("c") + std::to_string(circuit) + "_" + std::to_string(element);
}

}  // namespace

int SpiceBatch::add(const Netlist& netlist)
{
    std::ostringstream cards;
    cards.precision(17);
    for (std::size_t e = 0; e < netlist.elements.size(); ++e) {
        const NetlistElement& element = netlist.elements[e];
        cards << elementName(count, static_cast<int>(e), element.kind) << ' ' << nodeName(count, element.start) << ' '
              << nodeName(count, element.finish) << (element.kind == KIND_RESISTOR ? " " : " DC ") << element.value << '\n';
    }
    text += cards.str();
    return count++;
}

void SpiceBatch::run()
{
    printed = runNgspice(text + ".control\nset numdgt=15\nop\nprint all\n.endc\n.end\n");
    ASSERT_FALSE(printed.empty()) << "ngspice printed nothing";
    for (const auto& [name, value] : printed) {
        largest = std::max(largest, std::abs(value));
    }
}

double SpiceBatch::voltage(int circuit, int node) const
{
    return node == 0 ? 0.0 : ngspiceVoltage(printed, nodeName(circuit, node)).value_or(NAN);
}

double SpiceBatch::sourceCurrent(int circuit, int element) const
{
    const auto found = printed.find(elementName(circuit, element, KIND_VOLTAGE_SOURCE) + "#branch");
    return found == printed.end() ? NAN : found->second;
}

Netlist analysedCircuit(const CKirvoltDoc& doc)
{
    Netlist netlist;
    for (int k = 0; k <= doc.nodeCount; ++k) {
        netlist.nodes.push_back(std::to_string(k));
    }
    const auto index = [&](int node) { return node == doc.datumNode ? 0 : node; };
    for (const auto& c : doc.components) {
        if (isAnalysedBranchKind(c->kindCode)) {
            netlist.elements.push_back({c->kindCode, c->label, index(c->startNode), index(c->finishNode), c->value});
        }
    }
    return netlist;
}

std::vector<std::string> solvableExamples()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(KIRVOLT_EXAMPLES_DIR)) {
        CKirvoltDoc doc;
        if (entry.path().extension() == ".kvt" && loadCircuit(entry.path().string(), doc).ok && runNodalAnalysis(doc)) {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace kirvolt::testing
