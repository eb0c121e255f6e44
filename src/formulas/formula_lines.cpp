#include "document/format_value.h"
#include "formulas/node_formulas.h"

namespace kirvolt {

std::vector<std::string> formulaLines(const std::vector<NodeFormula>& formulas)
{
    std::vector<std::string> lines;
    for (const NodeFormula& f : formulas) {
        lines.push_back("V" + f.name + " = " + f.text + " = " + FormatValue(f.value, 2) + " V");
    }
    return lines;
}

}  // namespace kirvolt
