#pragma once

#include <QFont>
#include <QRect>

namespace kirvolt {

// Converts dialog layouts given in dialog units into pixels of the dialog's font: a
// horizontal unit is a quarter of the average letter width, a vertical unit an eighth of the
// character height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(int left, int top, int width, int height) const;

private:
    int charWidth;
    int charHeight;
};

}  // namespace kirvolt
