#pragma once

#include <QDialog>

class QLabel;

namespace kirvolt {

// A window of the Nodal Analysis Tutor: titled "Nodal Analysis Tutor" and standing at the
// top right of the screen, so that the circuit stays in sight while the student works.
class TutorDialog : public QDialog {
    Q_OBJECT

public:
    explicit TutorDialog(QWidget* parent);

    void setVisible(bool visible) override;

protected:
    // A plain text label; the tutor's texts carry their own line breaks and spacing.
    QLabel* textLabel(const QString& text, bool wrapped = false);
    QLabel* headingLabel(const QString& text);

private:
    void placeAtTopRight();
};

}  // namespace kirvolt
