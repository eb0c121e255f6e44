#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "document/circuit_document.h"
#include "editing/carried_records.h"

namespace kirvolt {

// The selection dragged by whole grid steps, with what it carries (carriedWith); a wire that
// ran straight to it turns a right angle rather than slant. The circuit shows every step of
// the drag; put back, it is exactly as before.
class SelectionDrag {
public:
    SelectionDrag() = default;
    SelectionDrag(const SelectionDrag&) = delete;
    SelectionDrag& operator=(const SelectionDrag&) = delete;

    // Takes what moves with the selected records, as they are now.
    void begin(CKirvoltDoc& doc, const std::vector<CComponent*>& selected);
    bool active() const { return started; }

    // Everything taken moved by the offset in grid steps from where it began, kept inside the
    // drawing area. True when the circuit changed.
    bool moveBy(CKirvoltDoc& doc, Point offset);
    Point offset() const { return shown; }

    // Ends the drag where it stands. False, with everything put back, when it ends where it began.
    bool finish(CKirvoltDoc& doc);
    // Puts everything back: the circuit, its node bookkeeping, revision and modified flag.
    void cancel(CKirvoltDoc& doc);

private:
    struct Moving {
        std::uint64_t id;
        CarriedEnds ends;
        std::unique_ptr<CComponent> original;
    };

    void putBack(CKirvoltDoc& doc);
    Point clamped(Point offset, int gridSize) const;

    std::vector<Moving> moving;
    Rect extent;  // the grid points that move, from where they began
    Point shown;
    bool started = false;
    std::int32_t savedNodesValid = 0;
    std::uint64_t savedRevision = 0;
    bool savedModified = false;
};

}  // namespace kirvolt
