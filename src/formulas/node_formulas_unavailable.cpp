#include "formulas/node_formulas.h"

namespace kirvolt {

std::variant<std::vector<NodeFormula>, std::string> nodeFormulas(const CKirvoltDoc&)
{
    return std::string("Formulas need GiNaC, the library for symbolic algebra (Debian's libginac-dev), "
                       "and this Kirvolt was built without it.");
}

}  // namespace kirvolt
