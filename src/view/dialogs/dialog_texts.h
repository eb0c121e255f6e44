#pragma once

#include <QString>
#include <string>

class QGridLayout;
class QLineEdit;
class QWidget;

namespace kirvolt {

QString qText(const std::string& text);
std::string stdText(const QString& text);

// Numbers as the dialogs show them: general notation with up to 15 significant digits.
QString numberText(double value);

// A read-only box holding a text, as the property dialogs show their values.
QLineEdit* readOnlyBox(const QString& text, QWidget* parent);

// One row of a property dialog: its label, a box for the value and, when unit is not null,
// a small box with the unit text.
void addPropertyRow(QGridLayout& grid, const QString& label, QLineEdit* box, const QString* unit = nullptr);

}  // namespace kirvolt
