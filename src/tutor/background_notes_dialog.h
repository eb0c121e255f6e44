#pragma once

#include "view/widgets/screen_placed_dialog.h"

namespace kirvolt {

// "Nodal Analysis" background notes: a modeless window that the student may open as often as
// wished and keep beside the tutor's steps; it stands where the tutor's windows stand.
class BackgroundNotesDialog : public ScreenPlacedDialog {
    Q_OBJECT

public:
    explicit BackgroundNotesDialog(QWidget* parent = nullptr);

    // Opens another notes window of its own, which the tutor's modal steps do not block and
    // which does not keep the program running once the main window is closed.
    static BackgroundNotesDialog* openAnother();

protected:
    QPoint wantedPosition(const QScreen& screen) const override;
};

}  // namespace kirvolt
