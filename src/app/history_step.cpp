#include "app/history_step.h"

#include "app/open_circuit.h"

namespace kirvolt {

HistoryStep::HistoryStep(OpenCircuit& circuit, const QString& name) : QUndoCommand(name), circuit(circuit) {}

void HistoryStep::undo()
{
    circuit.history().undo(circuit.doc());
}

void HistoryStep::redo()
{
    if (made) {
        made = false;
        return;
    }
    circuit.history().redo(circuit.doc());
}

}  // namespace kirvolt
