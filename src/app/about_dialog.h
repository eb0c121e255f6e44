#pragma once

#include <QDialog>

namespace kirvolt {

// The About box: the application icon and "Kirvolt Version" with the build's version in an etched
// frame, and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace kirvolt
