#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class QDialog;

namespace kirvolt::testing {

// Answers the modal dialogs that come up while it lives: every message box with the given
// button, after noting its caption, text and icon; any other dialog is handed to onDialog
// (which must close it) or rejected.
class ModalAnswerer : public QObject {
    Q_OBJECT

public:
    explicit ModalAnswerer(QMessageBox::StandardButton button = QMessageBox::Ok);

    // Answers from now on with another button.
    void answerWith(QMessageBox::StandardButton button) { answer = button; }

    QStringList captions;
    QStringList texts;
    QList<QMessageBox::Icon> icons;
    std::function<void(QDialog*)> onDialog;

private:
    void poll();

    QMessageBox::StandardButton answer;
    QTimer timer;
};

}  // namespace kirvolt::testing
