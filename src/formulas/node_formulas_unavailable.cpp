#include "formulas/node_formulas.h"

#include "document/wording.h"

namespace kirvolt {

std::variant<std::vector<NodeFormula>, std::string> nodeFormulas(const CKirvoltDoc&)
{
    return wording("Formulas", "Formulas need GiNaC, the library for symbolic algebra (Debian's libginac-dev), "
                               "and this Kirvolt was built without it.");
}

}  // namespace kirvolt
