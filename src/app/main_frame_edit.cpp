// The Edit menu's commands on the active circuit window: undo and redo, the selection, the
// Clipboard, rotating and mirroring.
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

#include "app/app_command_ids.h"
#include "app/clipboard_transfer.h"
#include "app/kirvolt_frame.h"
#include "app/main_frame.h"
#include "app/open_circuit.h"
#include "editing/command_ids.h"
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
    const auto copy = onView([](CKirvoltView& view) { copySelectionToClipboard(view); });
    const auto cut = onView([](CKirvoltView& view) {
        if (copySelectionToClipboard(view)) {
            view.editor().deleteSelection("Cut");
        }
    });
    const auto paste = onView([this](CKirvoltView& view) {
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
    });
    const auto pasteable = [] { return circuitOnClipboard().has_value(); };
    // The old component commands are the Edit menu's own under their first identifiers.
    for (const int id : {ID_EDIT_COPY, ID_EDIT_COPY_COMPONENT}) {
        setCommandHandler(id, copy);
        setCommandEnabler(id, hasSelection);
    }
    for (const int id : {ID_EDIT_CUT, ID_EDIT_CUT_COMPONENT}) {
        setCommandHandler(id, cut);
        setCommandEnabler(id, hasSelection);
    }
    for (const int id : {ID_EDIT_PASTE, ID_EDIT_PASTE_COMPONENT}) {
        setCommandHandler(id, paste);
        setCommandEnabler(id, pasteable);
    }
    setCommandHandler(ID_EDIT_CLEAR, onView([](CKirvoltView& view) { view.editor().deleteSelection("Delete"); }));
    setCommandEnabler(ID_EDIT_CLEAR, hasSelection);
    setCommandHandler(ID_EDIT_SELECT_ALL, onView([](CKirvoltView& view) { view.editor().selectAll(); }));
    const auto turnable = [this] {
        const CKirvoltView* view = activeView();
        return view != nullptr && view->editor().canTurn();
    };
    setCommandHandler(ID_EDIT_ROTATE, onView([](CKirvoltView& view) { view.editor().turn(Turn::Rotate); }));
    setCommandEnabler(ID_EDIT_ROTATE, turnable);
    setCommandHandler(ID_EDIT_MIRROR, onView([](CKirvoltView& view) { view.editor().turn(Turn::Mirror); }));
    setCommandEnabler(ID_EDIT_MIRROR, turnable);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::updateCommandUi);
}

void CMainFrame::showContextMenu(CKirvoltView& view, Point logical, const QPoint& global)
{
    const CircuitEditor::Pointed pointed = view.editor().pointAt(logical);
    if (pointed == CircuitEditor::Pointed::Nothing) {
        return;
    }
    view.viewport()->update();
    updateCommandUi();
    // The chosen command runs once the menu has gone, so that its dialog stands on its own.
    QMenu menu(this);
    QHash<QAction*, std::function<void()>> commands;
    const auto add = [&menu, &commands](const QString& text, std::function<void()> run) {
        commands.insert(menu.addAction(text), std::move(run));
    };
    const auto twin = [this](int id) { return [this, id] { commandAction(id)->trigger(); }; };
    const auto editHere = [&view, logical] { view.editor().editAt(logical); };
    if (pointed == CircuitEditor::Pointed::Component) {
        add(tr("Edit &Value..."), editHere);
        add(tr("&Name..."), editHere);
        menu.addSeparator();
    } else if (pointed == CircuitEditor::Pointed::Joint) {
        add(tr("Node &Name..."), editHere);
        add(tr("Set as &Datum Node"), [&view, logical] { view.editor().setDatumAt(logical); });
        menu.addSeparator();
    }
    if (pointed != CircuitEditor::Pointed::Joint) {
        add(tr("&Rotate"), twin(ID_EDIT_ROTATE));
        add(tr("&Mirror"), twin(ID_EDIT_MIRROR));
    }
    add(tr("&Delete"), twin(ID_EDIT_CLEAR));
    if (QAction* chosen = menu.exec(global); chosen != nullptr) {
        commands.value(chosen)();
    }
    view.viewport()->update();
    updateCommandUi();
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
