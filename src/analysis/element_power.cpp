#include "analysis/element_power.h"

namespace kirvolt {

double absorbedPower(const CComponent& element)
{
    if (!isAnalysedBranchKind(element.kindCode) || (element.kindCode == KIND_RESISTOR && element.value == 0.0)) {
        return 0.0;
    }
    return element.pd * element.current;
}

PowerBalance powerBalance(const CKirvoltDoc& doc)
{
    PowerBalance balance;
    for (const auto& element : doc.components) {
        const double p = absorbedPower(*element);
        (p < 0 ? balance.delivered : balance.absorbed) += p < 0 ? -p : p;
    }
    return balance;
}

}  // namespace kirvolt
