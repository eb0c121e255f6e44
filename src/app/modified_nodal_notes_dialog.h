#pragma once

#include <QDialog>

namespace kirvolt {

// Background notes on Modified Nodal Analysis, shown in place of a tutor that is not there yet.
class ModifiedNodalNotesDialog : public QDialog {
    Q_OBJECT

public:
    explicit ModifiedNodalNotesDialog(QWidget* parent = nullptr);
};

}  // namespace kirvolt
