#pragma once

#include <QDialog>
#include <QUrl>

class QLocale;
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

// The guide's first page in the language of `locale` (its full name, such as pt_BR, before its
// language alone, such as de), or in English where the guide has not been translated into it.
QUrl helpIndexFor(const QLocale& locale);

}  // namespace kirvolt
