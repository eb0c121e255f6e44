#include "modal_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

namespace kirvolt::testing {

ModalAnswerer::ModalAnswerer(QMessageBox::StandardButton button) : answer(button)
{
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer.start(5);
}

void ModalAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        captions.append(box->windowTitle());
        texts.append(box->text());
        icons.append(box->icon());
        QAbstractButton* button = box->button(answer);
        if (button != nullptr) {
            button->click();
        } else {
            box->reject();
        }
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        if (onDialog) {
            onDialog(dialog);
        } else {
            dialog->reject();
        }
    }
}

}  // namespace kirvolt::testing
