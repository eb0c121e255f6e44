#pragma once

#include <QPixmap>
#include <QString>

class QWidget;

namespace kirvolt {

// Renders one of the tutor's drawings (an SVG resource) at its natural size for the widget's
// screen, sharp on high-resolution screens too.
QPixmap tutorPicture(const QString& resource, const QWidget& widget);

}  // namespace kirvolt
