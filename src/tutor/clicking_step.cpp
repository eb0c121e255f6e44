#include "tutor/clicking_step.h"

#include <QEventLoop>

#include "tutor/input_gate.h"
#include "view/widgets/screen_placed_dialog.h"

namespace kirvolt {

bool runClickingStep(ScreenPlacedDialog& dialog, const std::function<void(Point)>& takeClick, const ClickRoute& takeClicks,
                     const ExplainedArea& explained, const MarkFunction& mark)
{
    dialog.setWindowModality(Qt::NonModal);
    if (explained) {
        dialog.keepClearOf(explained());
    }
    QList<QWidget*> open{&dialog};
    open += takeClicks(takeClick);
    bool next = false;
    {
        const InputGate gate(open);
        QEventLoop loop;
        QObject::connect(&dialog, &QDialog::finished, &loop, [&loop, &next](int result) {
            next = result == QDialog::Accepted;
            loop.quit();
        });
        dialog.show();
        dialog.activateWindow();
        loop.exec();
    }
    takeClicks({});
    mark(nullptr);
    return next;
}

}  // namespace kirvolt
