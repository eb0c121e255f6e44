#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace kirvolt {

// While it lives, the keyboard reaches only the first of the open widgets and the pointer only
// the open widgets, each with what it holds, and any modal window that comes up; the windows
// holding the others cannot be closed.
// A tutor's window that lets the student click the drawing keeps every other command out of
// reach this way, so that nothing changes or closes the circuit while the step is up.
class InputGate : public QObject {
    Q_OBJECT

public:
    explicit InputGate(const QList<QWidget*>& open);
    ~InputGate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool holds(const QObject* watched, qsizetype from, qsizetype to) const;

    QList<QPointer<QWidget>> open;
};

}  // namespace kirvolt
