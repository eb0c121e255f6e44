#pragma once

#include <QUndoCommand>

namespace kirvolt {

class OpenCircuit;

// One step of a circuit's change history on its undo stack. The edit has been made when the
// step is pushed, so the stack's first redo does nothing.
class HistoryStep final : public QUndoCommand {
public:
    HistoryStep(OpenCircuit& circuit, const QString& name);

    void undo() override;
    void redo() override;

private:
    OpenCircuit& circuit;
    bool made = true;
};

}  // namespace kirvolt
