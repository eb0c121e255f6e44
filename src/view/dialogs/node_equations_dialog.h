#pragma once

#include <QDialog>
#include <array>

#include "document/user_port.h"

class QLineEdit;

namespace kirvolt {

// "Nodal Analysis : Node Equations": the clicked node's name, the datum node's name and the
// node's five equation lines. It stands at the left of the screen below the circuit.
class NodeEquationsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int WIDTH_UNITS = 404;
    static constexpr int HEIGHT_UNITS = 72;

    NodeEquationsDialog(const NodeEquationTexts& texts, QWidget* parent = nullptr);

    QLineEdit* nodeNameBox() const { return nodeName; }
    QLineEdit* datumNameBox() const { return datumName; }
    // Line 1 .. 5 at index 0 .. 4.
    QLineEdit* lineBox(int index) const { return lines.at(static_cast<std::size_t>(index)); }

private:
    QLineEdit* nodeName;
    QLineEdit* datumName;
    std::array<QLineEdit*, 5> lines{};
};

}  // namespace kirvolt
