#include "view/widgets/dialog_units.h"

#include <QFontMetrics>

namespace kirvolt {

namespace {

// The average width of the letters of the alphabet, rounded, as the platform's dialog units
// measure the font.
int averageLetterWidth(const QFontMetrics& metrics)
{
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font)
    : charWidth(averageLetterWidth(QFontMetrics(font))), charHeight(QFontMetrics(font).height())
{
}

int DialogUnits::x(int units) const
{
    return units * charWidth / 4;
}

int DialogUnits::y(int units) const
{
    return units * charHeight / 8;
}

QRect DialogUnits::rect(int left, int top, int width, int height) const
{
    return QRect(x(left), y(top), x(width), y(height));
}

}  // namespace kirvolt
