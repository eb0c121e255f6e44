#include "tutor/background_notes_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "tutor/tutor_dialog.h"
#include "tutoring/background_notes_text.h"

namespace kirvolt {

BackgroundNotesDialog::BackgroundNotesDialog(QWidget* parent) : ScreenPlacedDialog(parent)
{
    setWindowTitle(tr("Nodal Analysis"));

    auto* heading = new QLabel(tr("\nBackground notes"), this);
    heading->setTextFormat(Qt::PlainText);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto* notes = new QPlainTextEdit(this);
    notes->setObjectName(QStringLiteral("notesText"));
    notes->setReadOnly(true);
    notes->setPlainText(QString::fromStdString(backgroundNotesText()));
    notes->setMinimumSize(notes->fontMetrics().averageCharWidth() * 72, notes->fontMetrics().height() * 18);

    auto* close = new QPushButton(tr("Close"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &BackgroundNotesDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(notes);
    layout->addLayout(buttons);
}

BackgroundNotesDialog* BackgroundNotesDialog::openAnother()
{
    auto* notes = new BackgroundNotesDialog;
    notes->setAttribute(Qt::WA_DeleteOnClose);
    notes->setAttribute(Qt::WA_QuitOnClose, false);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, notes, &QObject::deleteLater);
    notes->show();
    return notes;
}

QPoint BackgroundNotesDialog::wantedPosition(const QScreen& screen) const
{
    return tutorWindowPosition(screen, font());
}

}  // namespace kirvolt
