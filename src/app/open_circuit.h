#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QUndoStack>

#include <memory>

#include "app/qt_user_port.h"
#include "document/change_history.h"
#include "document/circuit_document.h"

class QWidget;

namespace kirvolt {

class CKirvoltFrame;
class CKirvoltView;
class LiveAnalysis;
class ScreenPlacedDialog;

// One open circuit as the desktop sees it: the document with its title, file path, change
// history and undo stack, and the frames that show it. The frames share ownership, so the
// circuit goes with its last frame. The modified flag follows the undo stack: undoing back to
// the state last saved makes the circuit unmodified again.
class OpenCircuit : public QObject {
    Q_OBJECT

public:
    explicit OpenCircuit(const QString& title);
    ~OpenCircuit() override;

    CKirvoltDoc& doc() { return *document; }
    QtUserPort& port() { return userPort; }
    ChangeHistory& history() { return changes; }
    QUndoStack& undoStack() { return stack; }
    // Analyse as I Draw for this circuit, and the numbers its views paint on the drawing.
    LiveAnalysis& liveAnalysis() const { return *live; }

    // The document as it is now (just read from a file, say) is where undoing stops.
    void restartHistory();
    // The circuit differs from its file whatever is undone: it came back from a recovery file.
    void markUnsaved();
    // An element of the circuit is picked up for moving or dragged: out of the list or on its way.
    bool editInProgress() const;
    // Each puts back every element out for moving first, then repaints every view.
    void undo();
    void redo();

    QString title() const { return docTitle; }
    QString pathName() const { return path; }
    // How questions about the circuit name it: its file's path, or its title while it has none.
    QString shownName() const { return path.isEmpty() ? docTitle : path; }
    // Remembers where the circuit is stored; the title becomes the file name.
    void setPathName(const QString& pathName);

    const QList<CKirvoltFrame*>& frames() const { return circuitFrames; }
    void addFrame(CKirvoltFrame* frame);
    void removeFrame(CKirvoltFrame* frame);
    // The window that owns this circuit's message boxes and dialogs.
    QWidget* dialogParent() const;
    // The drawing on the screen, in the first view of the circuit that is shown.
    QRect drawingOnScreen() const;
    // A window explaining the circuit leaves what it explains in view (the highlight shown, or
    // the drawing), and the whole drawing where the screen has room beside it.
    void keepClear(ScreenPlacedDialog& dialog) const;

    // Repaints every view of the circuit and brings the frame titles up to date.
    void updateAllViews();
    // "Kirvolt1", or "Kirvolt1:1", "Kirvolt1:2", ... when several frames show the circuit,
    // each marked while the circuit has unsaved changes.
    void updateFrameTitles();

    // Saves under the current path, or asks for one when there is none. False when the
    // circuit was not saved.
    bool save();
    // Asks for a file name and saves there.
    bool saveAs();
    // Writes the circuit to a file; a failure is reported and leaves the circuit modified.
    bool saveTo(const QString& pathName);
    // Asks for a file name and writes the circuit there as a SPICE netlist; the circuit and its
    // path stay as they were. False when nothing was written.
    bool exportNetlist();
    // Asks whether to save unsaved changes. False when the user cancels or the save fails.
    bool saveModified();

    // What every view of the circuit paints over it while an explanation is up; none when null.
    void setHighlight(const Highlight* highlight);

    // Puts back every element that a view of the circuit holds picked up for moving.
    void cancelPendingMoves();

    // Closes every frame of the circuit without asking again.
    void closeAllFrames();
    bool isClosing() const { return closing; }

signals:
    void viewsUpdated();
    // A step was made, undone or redone: the Edit menu's texts may be out of date.
    void historyChanged();
    void savedTo(const QString& pathName);

private:
    const CKirvoltView* shownView() const;

    QString docTitle;
    QString path;
    QList<CKirvoltFrame*> circuitFrames;
    QtUserPort userPort;
    std::unique_ptr<CKirvoltDoc> document;
    ChangeHistory changes;
    QUndoStack stack;
    LiveAnalysis* live;
    bool closing = false;
};

}  // namespace kirvolt
