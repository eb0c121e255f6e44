// The Edit menu's commands on the active circuit window: undo and redo, the selection and the
// Clipboard.
#include <QClipboard>
#include <QGuiApplication>

#include "app/app_command_ids.h"
#include "app/clipboard_transfer.h"
#include "app/kirvolt_frame.h"
#include "app/main_frame.h"
#include "app/open_circuit.h"
#include "view/circuit_view.h"
#include "view/widgets/kirvolt_message.h"

namespace kirvolt {

CKirvoltView* CMainFrame::activeView() const
{
    CKirvoltFrame* frame = activeFrame();
    return frame != nullptr ? frame->circuitView() : nullptr;
}

void CMainFrame::connectEditCommands()
{
    const auto onView = [this](auto command) {
        return [this, command] {
            if (CKirvoltView* view = activeView()) {
                command(*view);
                view->viewport()->update();
            }
        };
    };
    const auto hasSelection = [this] {
        const CKirvoltView* view = activeView();
        return view != nullptr && !view->editor().selectedRecords().empty();
    };
    setCommandHandler(ID_EDIT_UNDO, [this] {
        if (CKirvoltFrame* frame = activeFrame()) {
            frame->circuit().undo();
        }
    });
    setCommandEnabler(ID_EDIT_UNDO, [this] { return activeFrame() && activeFrame()->circuit().undoStack().canUndo(); });
    setCommandHandler(ID_EDIT_REDO, [this] {
        if (CKirvoltFrame* frame = activeFrame()) {
            frame->circuit().redo();
        }
    });
    setCommandEnabler(ID_EDIT_REDO, [this] { return activeFrame() && activeFrame()->circuit().undoStack().canRedo(); });
    setCommandHandler(ID_EDIT_COPY, onView([](CKirvoltView& view) { copySelectionToClipboard(view); }));
    setCommandEnabler(ID_EDIT_COPY, hasSelection);
    setCommandHandler(ID_EDIT_CUT, onView([](CKirvoltView& view) {
        if (copySelectionToClipboard(view)) {
            view.editor().deleteSelection("Cut");
        }
    }));
    setCommandEnabler(ID_EDIT_CUT, hasSelection);
    setCommandHandler(ID_EDIT_CLEAR, onView([](CKirvoltView& view) { view.editor().deleteSelection("Delete"); }));
    setCommandEnabler(ID_EDIT_CLEAR, hasSelection);
    setCommandHandler(ID_EDIT_SELECT_ALL, onView([](CKirvoltView& view) { view.editor().selectAll(); }));
    setCommandHandler(ID_EDIT_PASTE, onView([this](CKirvoltView& view) {
        const std::optional<QByteArray> circuit = circuitOnClipboard();
        if (!circuit) {
            return;
        }
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(circuit->constData());
        const std::string problem =
            view.editor().paste({bytes, static_cast<std::size_t>(circuit->size())}, view.pointerPoint());
        if (!problem.empty()) {
            showKirvoltMessage(this, QString::fromStdString(problem));
        }
    }));
    setCommandEnabler(ID_EDIT_PASTE, [] { return circuitOnClipboard().has_value(); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::updateCommandUi);
}

// "Undo Place R3", "Redo Delete W4": the commands name the step they would take.
void CMainFrame::updateHistoryTexts()
{
    const CKirvoltFrame* frame = activeFrame();
    QUndoStack* stack = frame != nullptr ? &frame->circuit().undoStack() : nullptr;
    const QString undo = stack != nullptr && stack->canUndo() ? stack->undoText() : QString();
    const QString redo = stack != nullptr && stack->canRedo() ? stack->redoText() : QString();
    commandAction(ID_EDIT_UNDO)->setText(undo.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undo));
    commandAction(ID_EDIT_REDO)->setText(redo.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redo));
}

}  // namespace kirvolt
