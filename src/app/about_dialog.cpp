#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "kirvolt_version.h"

namespace kirvolt {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About Kirvolt"));

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* icon = new QLabel(frame);
    icon->setPixmap(QIcon(QStringLiteral(":/kirvolt.svg")).pixmap(32, 32));
    auto* version = new QLabel(tr("Kirvolt Version %1").arg(QStringLiteral(KIRVOLT_VERSION)), frame);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(version, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
}

}  // namespace kirvolt
