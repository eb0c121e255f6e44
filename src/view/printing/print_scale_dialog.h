#pragma once

#include <QDialog>

#include "view/widgets/kirvolt_message.h"

namespace kirvolt {

class SpinEdit;

// "Set Print Scale": an edit box with an up-down control for the print scale, 1 to 10.
class PrintScaleDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int MINIMUM_SCALE = 1;
    static constexpr int MAXIMUM_SCALE = 10;

    PrintScaleDialog(int scale, QWidget* parent = nullptr, MessageFunction message = showKirvoltMessage);

    // The scale confirmed with OK.
    int scale() const { return confirmedScale; }

    void accept() override;

private:
    SpinEdit* scaleEdit;
    MessageFunction message;
    int confirmedScale;
};

}  // namespace kirvolt
