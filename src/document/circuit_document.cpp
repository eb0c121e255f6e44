#include "document/circuit_document.h"

#include <algorithm>

#include "document/process_state.h"

namespace kirvolt {

CComponent* CKirvoltDoc::AddComponent(std::unique_ptr<CComponent> record)
{
    nodesValid = 0;
    components.push_back(std::move(record));
    SetModifiedFlag();
    return components.back().get();
}

void CKirvoltDoc::RemoveComponent(CComponent* record)
{
    nodesValid = 0;
    SetModifiedFlag();
    const auto found = std::find_if(components.begin(), components.end(),
                                    [record](const auto& owned) { return owned.get() == record; });
    if (found != components.end()) {
        components.erase(found);
    } else {
        delete record;
    }
}

void CKirvoltDoc::rescaleToGrid()
{
    const int g = gridSize;
    for (const auto& element : components) {
        CComponent& c = *element;
        c.position = {c.gridPosition.x * g, c.gridPosition.y * g};
        if (c.kindCode >= KIND_WIRE && c.kindCode <= KIND_JOINT) {
            c.startPoint = {c.gridStart.x * g, c.gridStart.y * g};
            c.finishPoint = {c.gridFinish.x * g, c.gridFinish.y * g};
        }
        const bool boxed = (c.kindCode >= KIND_RESISTOR && c.kindCode <= KIND_AMMETER) || c.kindCode == KIND_JOINT;
        if (boxed) {
            c.hitRect = {c.position.x - g, c.position.y - g, c.position.x + g, c.position.y + g};
        }
        c.resistorStyle = processState().resistorStyle;
    }
}

}  // namespace kirvolt
