#include "app/message_box.h"

#include <QMessageBox>

namespace kirvolt {

void kirvoltMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kirvolt"), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace kirvolt
