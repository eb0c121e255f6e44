#include "tutor/tutor_picture.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

namespace kirvolt {

QPixmap tutorPicture(const QString& resource, const QWidget& widget)
{
    QSvgRenderer renderer(resource);
    const qreal ratio = widget.devicePixelRatioF();
    QPixmap picture(renderer.defaultSize() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(renderer.defaultSize())));
    return picture;
}

}  // namespace kirvolt
