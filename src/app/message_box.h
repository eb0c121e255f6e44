#pragma once

#include <QString>

class QWidget;

namespace kirvolt {

// The program's modal notice: exclamation icon, caption "Kirvolt", one OK button.
void kirvoltMessage(QWidget* parent, const QString& text);

}  // namespace kirvolt
