#include "equations/equation_text.h"

#include "document/format_value.h"

namespace kirvolt {

std::string cutAtLastChar(const std::string& text, char ch)
{
    const std::size_t at = text.rfind(ch);
    if (at == std::string::npos) {
        return text;
    }
    return text.substr(0, at);
}

std::string conductanceText(double conductance)
{
    if (conductance >= 10.0) {
        return FormatValue(conductance, 2);
    }
    if (conductance >= 1.0) {
        return FormatValue(conductance, 3);
    }
    return FormatValue(conductance, 4);
}

}  // namespace kirvolt
