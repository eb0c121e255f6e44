#include "view/widgets/kirvolt_message.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace kirvolt {

void showKirvoltMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("Kirvolt", "Kirvolt"), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace kirvolt
