#include "view/widgets/kirvolt_message.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace kirvolt {

void showKirvoltMessage(QWidget* parent, const QString& text, MessageKind kind)
{
    QMessageBox box(kind == MessageKind::Failure ? QMessageBox::Warning : QMessageBox::NoIcon, QCoreApplication::translate("Kirvolt", "Kirvolt"), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace kirvolt
