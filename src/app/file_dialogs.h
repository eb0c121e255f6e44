#pragma once

#include <QString>

class QWidget;

namespace kirvolt {

// The file dialogs. Opening offers circuit files ("Kirvolt Files (*.kvt)") and SPICE netlists
// beside "All Files (*.*)", saving circuit files, exporting netlists. Each returns the chosen
// path, or an empty string when the user cancels.
QString askOpenFileName(QWidget* parent);
QString askSaveFileName(QWidget* parent, const QString& proposed);
QString askNetlistFileName(QWidget* parent, const QString& proposed);

// The save dialogs of the exports: a picture as PNG, SVG or PDF, a worked solution as HTML or
// PDF. The chosen filter's ending is added to a name without one.
QString askPictureFileName(QWidget* parent, const QString& proposed);
QString askSolutionFileName(QWidget* parent, const QString& proposed);

}  // namespace kirvolt
