#pragma once

#include <QString>

class QWidget;

namespace kirvolt {

// The open and save dialogs for circuit files ("Kirvolt Files (*.kvt)", "All Files (*.*)").
// Each returns the chosen path, or an empty string when the user cancels.
QString askOpenFileName(QWidget* parent);
QString askSaveFileName(QWidget* parent, const QString& proposed);

}  // namespace kirvolt
