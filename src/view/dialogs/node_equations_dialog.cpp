#include "view/dialogs/node_equations_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "view/dialogs/dialog_texts.h"
#include "view/widgets/dialog_units.h"

namespace kirvolt {
namespace {

void placeLabel(QWidget* parent, const DialogUnits& units, int x, int y, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->move(units.x(x), units.y(y));
    label->adjustSize();
}

QLineEdit* placeNameBox(QWidget* parent, const DialogUnits& units, QRect where, const std::string& text)
{
    QLineEdit* box = readOnlyBox(qText(text), parent);
    box->setGeometry(units.rect(where.x(), where.y(), where.width(), where.height()));
    box->setAlignment(Qt::AlignCenter);
    box->setEnabled(false);
    return box;
}

// The equation lines stay one line high; a line longer than its box scrolls sideways.
QLineEdit* placeLineBox(QWidget* parent, const DialogUnits& units, QRect where, const std::string& text)
{
    QLineEdit* box = readOnlyBox(qText(text), parent);
    box->setGeometry(units.rect(where.x(), where.y(), where.width(), where.height()));
    box->setCursorPosition(0);
    return box;
}

constexpr qreal LARGEST_POINT_SIZE = 9;
constexpr qreal SMALLEST_POINT_SIZE = 5;

// The labels are laid out for a narrow dialog font; an Arial-metric face keeps each of them
// clear of the box that follows it. The layout is fixed in dialog units, so a smaller font is
// the one way to make the whole dialog, OK button included, fit a narrow screen.
QFont fittingFont(int availableWidth)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    for (qreal size = LARGEST_POINT_SIZE;; size -= 0.5) {
        font.setPointSizeF(size);
        if (size <= SMALLEST_POINT_SIZE || DialogUnits(font).x(NodeEquationsDialog::WIDTH_UNITS) <= availableWidth) {
            return font;
        }
    }
}

}  // namespace

NodeEquationsDialog::NodeEquationsDialog(const NodeEquationTexts& texts, QWidget* parent) : ScreenPlacedDialog(parent)
{
    using Of = NodeEquationTexts::Of;
    const QString titles[] = {tr("Nodal Analysis : Node Equations"), tr("Mesh Current Method : Mesh Equations"),
                              tr("Loop Current Method : Loop Equations")};
    const QString kinds[] = {tr("Equation for Node"), tr("Equation for Mesh"), tr("Equation for Loop")};
    setWindowTitle(titles[static_cast<int>(texts.of)]);
    // The window frame takes a little of the width too.
    const int frameAllowance = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 16;
    setFont(fittingFont(placementScreen().availableGeometry().width() - frameAllowance));
    const DialogUnits units(font());
    setFixedSize(units.x(WIDTH_UNITS), units.y(HEIGHT_UNITS));

    placeLabel(this, units, 10, 0, kinds[static_cast<int>(texts.of)]);
    nodeName = placeNameBox(this, units, {70, 0, 15, 12}, texts.nodeName);
    placeLabel(this, units, 90, 0, tr(":-"));
    switch (texts.of) {
    case Of::node:
        placeLabel(this, units, 110, 0, tr("( Selected Datumn Node  =  Node"));
        datumName = placeNameBox(this, units, {215, 0, 16, 12}, texts.datumNodeName);
        placeLabel(this, units, 235, 0, tr(", voltage at this node is taken as zero. )"));
        break;
    case Of::mesh:
        placeLabel(this, units, 110, 0, tr("( the mesh current runs clockwise round the mesh )"));
        break;
    case Of::loop:
        placeLabel(this, units, 110, 0, tr("( the loop current runs through %1 in its own direction )").arg(qText(texts.nodeName)));
        break;
    }

    lines[0] = placeLineBox(this, units, {10, 12, 378, 12}, texts.lines[0]);
    lines[0]->setAlignment(Qt::AlignCenter);
    lines[0]->setFrame(false);
    const int rows[] = {25, 35, 45, 55};
    for (int k = 1; k <= 4; ++k) {
        const int y = rows[k - 1];
        placeLabel(this, units, 20, y, tr("=>"));
        lines[static_cast<std::size_t>(k)] = placeLineBox(this, units, {35, y, 310, 12}, texts.lines[static_cast<std::size_t>(k)]);
    }
    // The rows stand ten units apart in boxes twelve high: each box stands above the one below
    // it, whose top edge hides nothing, so that the underscores and descenders of its own
    // text (I_R2, the p and y of a word) stay in sight.
    for (int k = 3; k >= 1; --k) {
        lines[static_cast<std::size_t>(k)]->raise();
    }

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(units.rect(355, 45, 30, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QPoint NodeEquationsDialog::wantedPosition(const QScreen& screen) const
{
    return screen.geometry().topLeft() + QPoint(0, 500);
}

}  // namespace kirvolt
