#pragma once

#include <array>

#include "document/user_port.h"
#include "view/widgets/screen_placed_dialog.h"

class QLineEdit;

namespace kirvolt {

// "Nodal Analysis : Node Equations": the clicked node's name, the datum node's name and the
// node's five equation lines, or a mesh's number and its four lines. It stands at the left of
// the screen below the circuit, 500 pixels down, or as near there as the screen allows; on a
// screen too narrow for it its font is made smaller until it fits.
class NodeEquationsDialog : public ScreenPlacedDialog {
    Q_OBJECT
public:
    static constexpr int WIDTH_UNITS = 404;
    static constexpr int HEIGHT_UNITS = 72;

    NodeEquationsDialog(const NodeEquationTexts& texts, QWidget* parent = nullptr);

    QLineEdit* nodeNameBox() const { return nodeName; }
    // None in a mesh's dialog.
    QLineEdit* datumNameBox() const { return datumName; }
    // Line 1 .. 5 at index 0 .. 4.
    QLineEdit* lineBox(int index) const { return lines.at(static_cast<std::size_t>(index)); }

protected:
    QPoint wantedPosition(const QScreen& screen) const override;

private:
    QLineEdit* nodeName;
    QLineEdit* datumName = nullptr;
    std::array<QLineEdit*, 5> lines{};
};

}  // namespace kirvolt
