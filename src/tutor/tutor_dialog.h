#pragma once

#include "view/widgets/screen_placed_dialog.h"

#include <array>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace kirvolt {

// A window of the Nodal Analysis Tutor: titled "Nodal Analysis Tutor" and standing at the
// top right of the screen, so that the circuit stays in sight while the student works.
class TutorDialog : public ScreenPlacedDialog {
    Q_OBJECT

public:
    explicit TutorDialog(QWidget* parent);

protected:
    QPoint wantedPosition(const QScreen& screen) const override;
    // A plain text label; the tutor's texts carry their own line breaks and spacing.
    QLabel* textLabel(const QString& text, bool wrapped = false);
    QLabel* headingLabel(const QString& text);
    // Every tutor's opening window in `column`: the sentence naming the method, its four steps
    // at a glance, then "Start", which accepts, "Return", which leaves, and any button of its own
    // at the right.
    void addIntroduction(QVBoxLayout& column, const QString& opening, const std::array<QString, 4>& steps,
                         QPushButton* own = nullptr);
};

// Where every tutor window stands: 500 dialog units (of font) right of the top-left corner of
// the screen's available area.
QPoint tutorWindowPosition(const QScreen& screen, const QFont& font);

}  // namespace kirvolt
