#include "equations/system_numbers.h"

#include "document/readable_value.h"
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
    return value == 0.0 ? "0" : equationNumber(value, 2);
}

std::string solutionText(double value, const Unknown& unknown)
{
    const std::string text = quantityText(value, 2, unknown.unit);
    return text.starts_with("-0.00 ") ? text.substr(1) : text;
}

}  // namespace kirvolt
