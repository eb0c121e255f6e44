#pragma once

#include <QDialog>

#include "document/user_port.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kirvolt {

// "Check My Node Equation": what to type, a line for the equation, Check and Close. Each
// Check shows the verdict below the line and leaves the text to be mended and checked again.
class EquationCheckWindow : public QDialog {
    Q_OBJECT
public:
    explicit EquationCheckWindow(const EquationCheckDialog& request, QWidget* parent = nullptr);

    QLineEdit* equationBox() const { return equation; }
    QPushButton* checkButton() const { return check; }
    QLabel* verdictLabel() const { return verdict; }

private:
    void checkEquation();

    EquationCheckDialog request;
    QLineEdit* equation;
    QPushButton* check;
    QLabel* verdict;
};

}  // namespace kirvolt
