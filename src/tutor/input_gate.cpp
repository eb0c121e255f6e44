#include "tutor/input_gate.h"

#include <QApplication>
#include <QEvent>

namespace kirvolt {

InputGate::InputGate(const QList<QWidget*>& open)
{
    for (QWidget* widget : open) {
        this->open.append(widget);
    }
    qApp->installEventFilter(this);
}

InputGate::~InputGate() { qApp->removeEventFilter(this); }

// Whether one of the open widgets [from, to) is the object or holds it.
bool InputGate::holds(const QObject* watched, qsizetype from, qsizetype to) const
{
    for (qsizetype i = from; i < to && i < open.size(); ++i) {
        for (const QObject* o = watched; o != nullptr; o = o->parent()) {
            if (o == open[i]) {
                return true;
            }
        }
    }
    return false;
}

bool InputGate::eventFilter(QObject* watched, QEvent* event)
{
    // A modal window that comes up meanwhile (a message, say) must still be answerable.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        for (const QObject* o = watched; o != nullptr; o = o->parent()) {
            if (o == modal) {
                return false;
            }
        }
    }
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
        // Keys pass through the platform's windows on their way to a widget; what counts is
        // the widget, or the action or shortcut a key fires.
        if ((!watched->isWidgetType() && event->type() != QEvent::Shortcut) || holds(watched, 0, 1)) {
            return false;
        }
        // Accepting the override keeps the shortcuts of the windows behind from firing.
        event->accept();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        return watched->isWidgetType() && !holds(watched, 0, open.size());
    case QEvent::Close:
        for (qsizetype i = 1; i < open.size(); ++i) {
            if (open[i] && open[i]->window() == watched) {
                event->ignore();
                return true;
            }
        }
        return false;
    default:
        return false;
    }
}

}  // namespace kirvolt
