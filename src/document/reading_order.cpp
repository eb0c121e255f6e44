#include "document/reading_order.h"

#include <algorithm>

namespace kirvolt {

Point readingPoint(const CComponent& record)
{
    if (record.kindCode == KIND_JOINT) {
        return record.gridStart;
    }
    return {(record.gridStart.x + record.gridFinish.x) / 2, (record.gridStart.y + record.gridFinish.y) / 2};
}

std::vector<const CComponent*> readingOrder(const CKirvoltDoc& doc)
{
    std::vector<const CComponent*> listed;
    for (const auto& element : doc.components) {
        if (isTwoTerminalKind(element->kindCode) || element->kindCode == KIND_JOINT) {
            listed.push_back(element.get());
        }
    }
    std::ranges::stable_sort(listed, [](const CComponent* a, const CComponent* b) {
        const Point pa = readingPoint(*a);
        const Point pb = readingPoint(*b);
        return pa.y != pb.y ? pa.y < pb.y : pa.x < pb.x;
    });
    return listed;
}

}  // namespace kirvolt
