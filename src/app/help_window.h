#pragma once

#include <QDialog>

class QTextBrowser;

namespace kirvolt {

// The illustrated guide bundled with the program, beside the main window: drawing, wires and
// joints, values, the analysis and its results, the tutor, files and printing.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent);

    QTextBrowser* browser() const { return pages; }

private:
    QTextBrowser* pages;
};

}  // namespace kirvolt
