#include "editing/orphan_removal.h"

#include <algorithm>

namespace kirvolt {
namespace {

bool touches(const CComponent& a, const CComponent& b)
{
    return a.gridStart == b.gridStart || a.gridStart == b.gridFinish || a.gridFinish == b.gridStart ||
           a.gridFinish == b.gridFinish;
}

bool isOrphan(const CKirvoltDoc& doc, const CComponent& element)
{
    return std::none_of(doc.components.begin(), doc.components.end(), [&element](const auto& other) {
        return other.get() != &element && touches(element, *other);
    });
}

}  // namespace

void removeOrphans(CKirvoltDoc& doc, int kindCode)
{
    std::size_t i = 0;
    while (i < doc.components.size()) {
        CComponent& element = *doc.components[i];
        const bool ofKind = isWireKind(kindCode) ? isWireKind(element.kindCode) : element.kindCode == kindCode;
        if (ofKind && isOrphan(doc, element)) {
            doc.RemoveComponent(&element);
        } else {
            ++i;
        }
    }
}

}  // namespace kirvolt
