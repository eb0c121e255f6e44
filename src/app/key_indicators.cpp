#include "app/key_indicators.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>

#include "app/lock_lights.h"

namespace kirvolt {

namespace {

constexpr std::array<const char*, 3> TEXTS{QT_TRANSLATE_NOOP("kirvolt::KeyIndicators", "CAP"),
                                                 QT_TRANSLATE_NOOP("kirvolt::KeyIndicators", "NUM"),
                                                 QT_TRANSLATE_NOOP("kirvolt::KeyIndicators", "SCRL")};
constexpr std::array<const char*, 3> INDICATOR_NAMES{"Caps Lock", "Num Lock", "Scroll Lock"};

}  // namespace

KeyIndicators::KeyIndicators(QWidget* parent) : QObject(parent)
{
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i] = new QLabel(parent);
        labels[i]->setAlignment(Qt::AlignCenter);
        labels[i]->setMinimumWidth(labels[i]->fontMetrics().horizontalAdvance(QLatin1String(TEXTS[i])) + 8);
    }
    qApp->installEventFilter(this);
    refresh();
}

QList<QLabel*> KeyIndicators::panes() const
{
    return {labels.begin(), labels.end()};
}

void KeyIndicators::refresh()
{
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const bool on = lockState(static_cast<Lock>(i)).value_or(false);
        labels[i]->setText(on ? tr(TEXTS[i]) : QString());
    }
}

std::optional<bool> KeyIndicators::lockState(Lock lock)
{
    return lockLight(INDICATOR_NAMES[static_cast<std::size_t>(lock)]);
}

// The lights change only with a key or while another program has the keyboard. Each key
// event reaches its top-level window once, before any widget.
bool KeyIndicators::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool key = (type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched->isWindowType();
    if (key || type == QEvent::ApplicationStateChange) {
        refresh();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kirvolt
