#pragma once

#include <QDialog>

namespace kirvolt {

// "Nodal Analysis" background notes: a modeless window that the student may open as often as
// wished and keep beside the tutor's steps.
class BackgroundNotesDialog : public QDialog {
    Q_OBJECT

public:
    explicit BackgroundNotesDialog(QWidget* parent = nullptr);

    // Opens another notes window of its own, which the tutor's modal steps do not block and
    // which does not keep the program running once the main window is closed.
    static BackgroundNotesDialog* openAnother();
};

}  // namespace kirvolt
