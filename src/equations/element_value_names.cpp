#include "equations/element_value_names.h"

#include "analysis/branch_tables.h"

namespace kirvolt {

ElementValueNames::ElementValueNames(const CKirvoltDoc& doc)
{
    for (int b = 1; b <= numberedBranchCount(doc); ++b) {
        if (isBranchOfKind(doc, b, KIND_RESISTOR) || isBranchOfKind(doc, b, KIND_VOLTAGE_SOURCE) ||
            isBranchOfKind(doc, b, KIND_CURRENT_SOURCE)) {
            values.add(doc.labels[static_cast<std::size_t>(b)], Value{b, doc.branchValues[static_cast<std::size_t>(b)]});
        }
    }
}

std::optional<NameMeaning> ElementValueNames::find(std::string_view name, int changedBranch) const
{
    if (const std::optional<Value> value = values.find(name)) {
        return NameMeaning{std::nullopt, value->amount + (value->branch == changedBranch)};
    }
    return std::nullopt;
}

}  // namespace kirvolt
