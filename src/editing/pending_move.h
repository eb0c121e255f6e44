#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "document/circuit_document.h"

namespace kirvolt {

// An element picked up in move mode and not yet placed again: the move buffer of its one
// window. The element leaves the circuit at once, but its record is kept aside: the element
// placed again takes its name and value, and a move abandoned before placing puts it back
// exactly as it was.
class PendingMove {
public:
    PendingMove() = default;
    PendingMove(const PendingMove&) = delete;
    PendingMove& operator=(const PendingMove&) = delete;

    // Takes the element's orientation, removes it from the circuit and switches to placing
    // its kind.
    void pickUp(CKirvoltDoc& doc, CComponent& element);

    // The element picked up, whose name and value the placed element carries; null when no
    // move is pending.
    const CComponent* pickedUp() const { return record.get(); }

    // The element was placed again: the kept record is no longer needed.
    void placed();

    // Puts the kept record back at its place in the list and restores move mode, the
    // orientation, the node bookkeeping, the revision and the modified flag from before the
    // pick-up: an abandoned move is no change.
    void cancel(CKirvoltDoc& doc);

    bool active() const { return record != nullptr; }

private:
    std::unique_ptr<CComponent> record;
    std::size_t listIndex = 0;
    int savedOrientation = 0;
    int savedGridSize = 0;
    int savedNodesValid = 0;
    std::uint64_t savedRevision = 0;
    bool savedModified = false;
};

}  // namespace kirvolt
