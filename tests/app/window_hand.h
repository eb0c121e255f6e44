#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

namespace kirvolt::testing {

// Plays the user's part in a run of windows, modal or not, that a command opens one after the
// other, message boxes among them. Each step names the kind of window it waits for and what
// the hand does there. A step runs from a timer of its own, never inside the timer that looks
// for windows, so that a message box the step opens (from a button of a dialog, say) is seen
// and answered by a later step instead of hanging the test.
class WindowHand {
public:
    struct Step {
        std::function<bool(QWidget*)> wanted;
        std::function<void(QWidget*)> act;
    };

    explicit WindowHand(std::vector<Step> steps) : steps(std::move(steps))
    {
        QObject::connect(&timer, &QTimer::timeout, [this] { look(); });
        timer.start(10);
    }

    // A step for the window of type Window.
    template <typename Window>
    static Step on(std::function<void(Window*)> act)
    {
        return {[](QWidget* w) { return qobject_cast<Window*>(w) != nullptr; },
                [act = std::move(act)](QWidget* w) { act(qobject_cast<Window*>(w)); }};
    }

    // A message box: its text is noted in texts and it is answered with OK.
    static Step message(QStringList& texts)
    {
        return on<QMessageBox>([&texts](QMessageBox* box) {
            texts << box->text();
            box->button(QMessageBox::Ok) != nullptr ? box->button(QMessageBox::Ok)->click() : box->reject();
        });
    }

    bool finished() const { return next == steps.size(); }

    QStringList unexpected;

private:
    // The window the user faces: the modal one, else the newest visible dialog without modality.
    static QWidget* facing()
    {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            return modal;
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->inherits("QDialog")) {
                return window;
            }
        }
        return nullptr;
    }

    void look()
    {
        QWidget* window = facing();
        if (busy || window == nullptr || window == handled) {
            return;
        }
        if (next < steps.size() && steps[next].wanted(window)) {
            busy = true;
            handled = window;
            QTimer::singleShot(0, [this, window = QPointer<QWidget>(window), act = steps[next++].act] {
                busy = false;
                if (window) {
                    act(window);
                }
                // The same window may stand for the next step too, once this one has acted.
                handled = nullptr;
            });
            return;
        }
        unexpected << window->windowTitle() + QStringLiteral(": ") + window->metaObject()->className();
        handled = window;
        window->close();
    }

    std::vector<Step> steps;
    std::size_t next = 0;
    bool busy = false;
    QPointer<QWidget> handled;
    QTimer timer;
};

}  // namespace kirvolt::testing
