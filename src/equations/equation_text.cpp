#include "equations/equation_text.h"

#include "document/format_value.h"

namespace kirvolt {

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
