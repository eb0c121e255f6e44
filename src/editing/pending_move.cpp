#include "editing/pending_move.h"

#include <algorithm>
#include <iterator>

namespace kirvolt {

void PendingMove::pickUp(CKirvoltDoc& doc, CComponent& element)
{
    if (active()) {
        cancel(doc);
    }
    auto& list = doc.components;
    const auto found = std::find_if(list.begin(), list.end(), [&element](const auto& owned) {
        return owned.get() == &element;
    });
    if (found == list.end()) {
        return;
    }
    savedOrientation = doc.orientation;
    savedGridSize = doc.gridSize;
    doc.orientation = element.orientation;
    listIndex = static_cast<std::size_t>(std::distance(list.begin(), found));
    record = std::move(*found);
    list.erase(found);
    // The nodes no longer describe the list; put back unchanged, it is as it was.
    savedNodesValid = doc.nodesValid;
    savedRevision = doc.revision();
    savedModified = doc.IsModified();
    doc.nodesValid = 0;
    doc.noteEdit();
    doc.UpdateAllViews();
    doc.mode = record->kindCode;
}

void PendingMove::placed()
{
    record.reset();
}

void PendingMove::cancel(CKirvoltDoc& doc)
{
    if (!active()) {
        return;
    }
    auto& list = doc.components;
    const auto at = list.begin() + static_cast<std::ptrdiff_t>(std::min(listIndex, list.size()));
    const bool stale = savedGridSize != doc.gridSize || record->resistorStyle != doc.display().resistorStyle;
    list.insert(at, std::move(record));
    record.reset();
    doc.nodesValid = savedNodesValid;
    doc.returnToRevision(savedRevision);
    doc.SetModifiedFlag(savedModified);
    if (stale) {
        doc.rescaleToGrid();  // zoomed or restyled while the element was out of the list
    }
    doc.mode = MODE_MOVE;
    doc.orientation = savedOrientation;
    doc.UpdateAllViews();
}

}  // namespace kirvolt
