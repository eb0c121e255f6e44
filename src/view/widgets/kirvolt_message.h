#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace kirvolt {

// Shows a plain OK message; dialogs take one of these so that tests can answer for the user.
using MessageFunction = std::function<void(QWidget* parent, const QString& text)>;

// The program's message box: exclamation icon, caption "Kirvolt", one OK button.
void showKirvoltMessage(QWidget* parent, const QString& text);

}  // namespace kirvolt
