#include "view/dialogs/dialog_units.h"

#include <QFontMetrics>

namespace kirvolt {

DialogUnits::DialogUnits(const QFont& font)
    : charWidth(QFontMetrics(font).averageCharWidth()), charHeight(QFontMetrics(font).height())
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
