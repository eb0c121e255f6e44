#include "view/dialogs/dialog_texts.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kirvolt {

QString qText(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string stdText(const QString& text)
{
    return text.toUtf8().toStdString();
}

QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}

QLineEdit* readOnlyBox(const QString& text, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setReadOnly(true);
    box->setCursorPosition(0);
    return box;
}

void addPropertyRow(QGridLayout& grid, const QString& label, QLineEdit* box, const QString* unit)
{
    const int row = grid.rowCount();
    // Room for a number with all its 15 significant digits, a sign and an exponent.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(22, QLatin1Char('0'))));
    auto* caption = new QLabel(label, grid.parentWidget());
    caption->setBuddy(box);
    grid.addWidget(caption, row, 0);
    grid.addWidget(box, row, 1);
    if (unit != nullptr) {
        QLineEdit* unitBox = readOnlyBox(*unit, grid.parentWidget());
        unitBox->setFocusPolicy(Qt::NoFocus);
        unitBox->setFixedWidth(unitBox->fontMetrics().horizontalAdvance(QStringLiteral("ohm")) * 2);
        grid.addWidget(unitBox, row, 2);
    }
}

}  // namespace kirvolt
