#pragma once

#include <QElapsedTimer>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "document/change_history.h"
#include "document/circuit_document.h"
#include "editing/circuit_editor.h"

namespace kirvolt {

// Alt and the wheel over a resistor or source turn its value a step a notch; Alt+Up and
// Alt+Down do the same by the keyboard, for desktops that keep Alt and the wheel for themselves.
// The steps of one turn, without a pause between them longer than PAUSE_MS, on the same element
// and with nothing done in between, make one step of the history, so that one undo takes back
// the whole turn.
class WheelValueSteps {
public:
    static constexpr int PAUSE_MS = 700;

    explicit WheelValueSteps(const ChangeHistory& history) : history(history) {}

    // The wheel turned by angleDelta eighths of a degree over the logical point: a notch (120)
    // a step, smaller deltas gathered until they make one. The record whose value changed, or
    // none.
    const CComponent* turn(CircuitEditor& editor, const CKirvoltDoc& doc, Point logical, int angleDelta);

    // A value key: `steps` steps of the element CircuitEditor::stepValueByKey finds for the
    // pointer. The record whose value changed, or none.
    const CComponent* press(CircuitEditor& editor, const CKirvoltDoc& doc, std::optional<Point> pointerLogical, int steps);

private:
    // Steps the value through `stepOf`, given the record to carry the last step on (0 for none).
    const CComponent* step(const CKirvoltDoc& doc, const std::function<const CComponent*(std::uint64_t)>& stepOf);

    const ChangeHistory& history;
    QElapsedTimer sinceLastStep;
    std::uint64_t turnedRecord = 0;
    std::size_t stepsAfterTurn = 0;
    int gathered = 0;
};

}  // namespace kirvolt
