#include "app/help_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace kirvolt {
namespace {

constexpr int WIDTH = 760;
constexpr int HEIGHT = 640;

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), pages(new QTextBrowser(this))
{
    setWindowTitle(tr("Kirvolt Help"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages);
    pages->setOpenExternalLinks(false);
    pages->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
    resize(WIDTH, HEIGHT);
}

}  // namespace kirvolt
