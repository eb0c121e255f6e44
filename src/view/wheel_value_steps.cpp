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
    // A save in between leaves the circuit unmodified; the turn after it starts a new step, so
    // that undoing it comes back to what was saved.
    const bool carryOn = sinceLastStep.isValid() && sinceLastStep.elapsed() <= PAUSE_MS && doc.IsModified() &&
                         history.stepCount() == stepsAfterTurn && history.stepsDone() == stepsAfterTurn;
    const CComponent* turned = editor.stepValueAt(logical, steps, carryOn ? turnedRecord : 0);
    if (turned == nullptr) {
        return nullptr;
    }
    turnedRecord = turned->recordId;
    stepsAfterTurn = history.stepCount();
    sinceLastStep.start();
    return turned;
}

}  // namespace kirvolt
