#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "document/circuit_document.h"
#include "document/drawn_numbers.h"
#include "drawing/drawing_surface.h"
#include "drawing/loop_current_painter.h"
#include "drawing/mesh_current_painter.h"
#include "view/dialogs/qt_element_dialogs.h"
#include "view/qt_drawing_surface.h"
#include "editing/circuit_editor.h"
#include "editing/keyboard_drawing.h"
#include "view/scrolling_view.h"
#include "view/wheel_value_steps.h"

namespace kirvolt {

// The schematic of one circuit: a 5000 x 5000 logical area, scrolled 500 units a page and 50
// a line. Zoom is carried by the document's grid size, never by the mapping. Pointer events
// go to the circuit editor; the element it floats under the pointer and the wire being drawn
// are painted over the circuit.
class CKirvoltView : public ScrollingView {
    Q_OBJECT

public:
    CKirvoltView(CKirvoltDoc& doc, ChangeHistory& history, QWidget* parent = nullptr);

    CKirvoltDoc& document() const { return doc; }
    const CircuitEditor& editor() const { return circuitEditor; }
    CircuitEditor& editor() { return circuitEditor; }
    const KeyboardDrawing& keys() const { return keyboard; }

    // A command has changed the mode: while the keys draw, what it places floats at the cursor.
    void followMode();
    // What a screen reader says of the drawing: where the cursor stands and what is there.
    QString cursorAnnouncement() const;

    // The logical point under the mouse pointer while it is over the circuit.
    std::optional<Point> pointerPoint() const;

    // Puts an element picked up for moving, or a selection being dragged, back where it was.
    void cancelPendingMove();
    // Escape, wherever in the circuit's window it is pressed: see CircuitEditor::escape.
    void escape();
    // Space, likewise: see CircuitEditor::flipCorner.
    void flipCorner();
    // Alt+Up and Alt+Down, likewise: steps the value of the resistor or source under the
    // pointer, or of the one selected element, as the wheel does.
    void stepValue(int steps);

    // The circuit has changed: what floats under the pointer is out of date.
    void documentChanged();

    // Where on the screen (global coordinates) the view shows a logical box, cut to what is in
    // view; empty when none of it is.
    QRect onScreen(const Rect& logical) const;
    // What the shown highlight marks, or failing that the whole drawing, on the screen: what a
    // window explaining it must not cover.
    QRect explainedOnScreen() const;
    // The whole drawing on the screen, as far as it is in view.
    QRect drawingOnScreen() const;

    // The numbers of the circuit's last analysis, painted on the drawing as far as shown says
    // and told in the tooltips; they must outlive the view or be taken away with null. Repaints.
    void showNumbers(const DrawnNumbers* numbers, NumbersShown shown);

    // Painted over the circuit until it is taken away again with null; repaints.
    void setHighlight(const Highlight* shown);
    // The mesh currents of the analysis just made, painted while its results are the drawing's;
    // none after an analysis by another method.
    void showMeshCurrents(std::vector<MeshCurrentMark> marks);
    const std::vector<MeshCurrentMark>& meshCurrents() const { return meshMarks; }
    // The tree and loop currents of a loop analysis, painted while the results are the drawing's.
    void showLoopCurrents(LoopPicture picture);
    const LoopPicture& loopCurrents() const { return loopPicture; }
    const Highlight* highlight() const { return shownHighlight; }

    // While take is set, a left click on the drawing goes to it, at its logical point, and
    // nothing the pointer does edits the circuit (a tutor's step asks where the student
    // clicks); an empty function gives the pointer back to the editor.
    void takeClicks(std::function<void(Point)> take);

signals:
    // "(x,y)": the grid point nearest to the pointer, counted from the window's corner.
    void gridPositionChanged(const QString& text);
    // A click may have changed the mode or the orientation, so the check marks of the
    // commands may be out of date.
    void editingSettingsChanged();
    // A right-click outside the placing modes, at a logical point and a point on the screen.
    void contextMenuRequested(Point logical, const QPoint& global);
    // Alt and the wheel or a value key turned a value: the circuit has changed, perhaps within
    // the last step.
    void valueTurned();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Point logicalPoint(const QMouseEvent& event) const;
    void paintPreview(DrawingSurface& surface) const;
    // The logical box of what paintPreview paints; empty when nothing floats.
    QRect previewArea() const;
    void updateLogical(const QRect& logical);
    void paintKeyCursor(DrawingSurface& surface) const;
    // Scrolls so that the cursor stands in view, then tells the screen reader where it is.
    void cursorMoved();
    void announceFocus(const CComponent& focused);
    // The keys' drag of the selection ends where it stands.
    void dropSelection();

    CKirvoltDoc& doc;
    QtElementDialogs dialogs;
    CircuitEditor circuitEditor;
    KeyboardDrawing keyboard;
    const Highlight* shownHighlight = nullptr;
    const DrawnNumbers* shownNumbers = nullptr;
    NumbersShown numbersShown;
    WheelValueSteps wheelSteps;
    std::vector<MeshCurrentMark> meshMarks;
    std::function<void(Point)> clickTaker;
    LoopPicture loopPicture;
    SurfaceCache paintCache;
};

// The status-bar text for a pointer at a client position: each coordinate rounded to the
// nearest grid step (ties upwards) and shown as an unsigned 16-bit number.
QString gridPositionText(QPoint client, int gridSize);

}  // namespace kirvolt
