#include "equations/equation_text.h"

#include "document/readable_value.h"

namespace kirvolt {

std::string conductanceText(double conductance)
{
    if (conductance >= 10.0) {
        return equationNumber(conductance, 2);
    }
    if (conductance >= 1.0) {
        return equationNumber(conductance, 3);
    }
    return equationNumber(conductance, 4);
}

}  // namespace kirvolt
