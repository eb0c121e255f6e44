#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <functional>

namespace kirvolt::testing {

// Answers the modal windows that a test's action opens, one after the other: each time a new
// modal window is up, the handler looks at it and closes it.
class ModalCloser {
public:
    using Handler = std::function<void(QWidget*)>;

    explicit ModalCloser(Handler handler) : handler(std::move(handler))
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] { poll(); });
        timer.start();
    }

    int handled() const { return count; }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible() && modal != last) {
            last = modal;
            ++count;
            handler(modal);
        } else if (modal == nullptr) {
            last = nullptr;
        }
    }

    Handler handler;
    QTimer timer;
    QWidget* last = nullptr;
    int count = 0;
};

// Closes a message box with its OK button; returns its text, caption and icon in the out parameters.
inline void acceptMessageBox(QWidget* modal, QString& text, QString& caption, QMessageBox::Icon& icon)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) {
        return;
    }
    text = box->text();
    caption = box->windowTitle();
    icon = box->icon();
    box->accept();
}

}  // namespace kirvolt::testing
