#include "view/wheel_value_steps.h"

namespace kirvolt {
namespace {

constexpr int NOTCH = 120;

}  // namespace

const CComponent* WheelValueSteps::turn(CircuitEditor& editor, const CKirvoltDoc& doc, Point logical, int angleDelta)
{
    gathered += angleDelta;
    const int steps = gathered / NOTCH;
    if (steps == 0) {
        return nullptr;
    }
    gathered -= steps * NOTCH;
    return step(doc, [&](std::uint64_t carryOn) { return editor.stepValueAt(logical, steps, carryOn); });
}

const CComponent* WheelValueSteps::press(CircuitEditor& editor, const CKirvoltDoc& doc, std::optional<Point> pointerLogical,
                                         int steps)
{
    return step(doc, [&](std::uint64_t carryOn) { return editor.stepValueByKey(pointerLogical, steps, carryOn); });
}

const CComponent* WheelValueSteps::step(const CKirvoltDoc& doc, const std::function<const CComponent*(std::uint64_t)>& stepOf)
{
    // A save in between leaves the circuit unmodified; the turn after it starts a new step, so
    // that undoing it comes back to what was saved.
    const bool carryOn = sinceLastStep.isValid() && sinceLastStep.elapsed() <= PAUSE_MS && doc.IsModified() &&
                         history.stepCount() == stepsAfterTurn && history.stepsDone() == stepsAfterTurn;
    const CComponent* turned = stepOf(carryOn ? turnedRecord : 0);
    if (turned == nullptr) {
        return nullptr;
    }
    turnedRecord = turned->recordId;
    stepsAfterTurn = history.stepCount();
    sinceLastStep.start();
    return turned;
}

}  // namespace kirvolt
