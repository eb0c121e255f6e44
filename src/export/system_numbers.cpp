#include "export/system_numbers.h"

#include "document/format_value.h"
#include "equations/equation_text.h"

namespace kirvolt {

std::string coefficientText(double value)
{
    if (value == 0.0) {
        return "0";
    }
    // The decimals follow the size of the conductance, not its sign.
    return value < 0.0 ? "-" + conductanceText(-value) : conductanceText(value);
}

std::string rightSideText(double value)
{
    return value == 0.0 ? "0" : FormatValue(value, 2);
}

std::string solutionValue(double value)
{
    const std::string text = FormatValue(value, 2);
    return text == "-0.00" ? "0.00" : text;
}

const char* unitOf(const Unknown& unknown)
{
    return unknown.kind == Unknown::Kind::NodeVoltage ? "V" : "A";
}

}  // namespace kirvolt
