#pragma once

#include "document/user_port.h"
#include "view/widgets/screen_placed_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kirvolt {

// "Check My Node Equation": what to type, a line for the equation, Check and Close. Each
// Check shows the verdict below the line and leaves the text to be mended and checked again.
// It comes up over the middle of its parent window unless told to keep clear of the node.
class EquationCheckWindow : public ScreenPlacedDialog {
    Q_OBJECT
public:
    explicit EquationCheckWindow(const EquationCheckDialog& request, QWidget* parent = nullptr);

    QLineEdit* equationBox() const { return equation; }
    QPushButton* checkButton() const { return check; }
    QLabel* verdictLabel() const { return verdict; }

protected:
    QPoint wantedPosition(const QScreen& screen) const override;

private:
    void checkEquation();

    EquationCheckDialog request;
    QLineEdit* equation;
    QPushButton* check;
    QLabel* verdict;
};

}  // namespace kirvolt
