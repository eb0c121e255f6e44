#pragma once

#include <functional>
#include <utility>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "view/widgets/kirvolt_message.h"

namespace kirvolt::testing {

// Plays the user's part in modal windows. Each step gets the next modal window that comes up,
// from a timer that runs inside that window's event loop; a window is handed to one step only
// and the step must close it. A window that comes up after the last step, or that a step left
// open (say, after a failed check), is closed and its title noted in unexpected, so that a
// test fails instead of hanging.
class ModalScript {
public:
    using Step = std::function<void(QWidget* window)>;

    explicit ModalScript(std::vector<Step> steps) : steps(std::move(steps))
    {
        QObject::connect(&timer, &QTimer::timeout, [this] { poll(); });
        timer.start(10);
    }

    bool finished() const { return next == steps.size(); }

    QStringList unexpected;

private:
    void poll()
    {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || !window->isVisible() || window->property(HANDLED).toBool()) {
            return;
        }
        window->setProperty(HANDLED, true);
        if (next < steps.size()) {
            steps[next++](window);
            if (!window->isVisible()) {
                return;
            }
        }
        unexpected << window->windowTitle();
        if (auto* dialog = qobject_cast<QDialog*>(window)) {
            dialog->reject();
        } else {
            window->close();
        }
    }

    static constexpr const char* HANDLED = "kirvoltScriptHandled";
    std::vector<Step> steps;
    std::size_t next = 0;
    QTimer timer;
};

// Collects the texts a window would have shown in message boxes, and their kinds.
struct MessageLog {
    QStringList texts;
    QList<MessageKind> kinds;

    auto recorder()
    {
        return [this](QWidget*, const QString& text, MessageKind kind) {
            texts << text;
            kinds << kind;
        };
    }
};

}  // namespace kirvolt::testing
