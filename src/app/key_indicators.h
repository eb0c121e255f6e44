#pragma once

#include <QList>
#include <QObject>

#include <array>
#include <optional>

class QLabel;
class QWidget;

namespace kirvolt {

// The "CAP", "NUM" and "SCRL" panes of the status bar. Each shows its text while its lock
// is on; the state is read from the keyboard's indicator lights where the window system
// tells them (X11), and the panes stay blank where it does not.
class KeyIndicators : public QObject {
    Q_OBJECT

public:
    enum Lock { Caps, Num, Scroll };

    explicit KeyIndicators(QWidget* parent);

    QList<QLabel*> panes() const;
    // Reads the lock states again and shows them.
    void refresh();

    // The state of one lock, or none when the window system does not tell it.
    static std::optional<bool> lockState(Lock lock);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, 3> labels;
};

}  // namespace kirvolt
