#include "tutor/tutor_introduction_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "tutor/background_notes_dialog.h"

namespace kirvolt {

TutorIntroductionDialog::TutorIntroductionDialog(QWidget* parent) : TutorDialog(parent)
{
    auto* start = new QPushButton(tr("Start"), this);
    auto* leave = new QPushButton(tr("Return"), this);
    auto* notes = new QPushButton(tr("Background Notes"), this);
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, &TutorIntroductionDialog::accept);
    connect(leave, &QPushButton::clicked, this, &TutorIntroductionDialog::reject);
    connect(notes, &QPushButton::clicked, this, [] { BackgroundNotesDialog::openAnother(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start);
    buttons->addWidget(leave);
    buttons->addStretch();
    buttons->addWidget(notes);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textLabel(tr("There are four steps for the Nodal Voltage Analysis Method.")));
    layout->addWidget(headingLabel(tr("\n4  Steps")));
    layout->addWidget(textLabel(tr("(1)  Count the number of\n       nodes in your circuit.")));
    layout->addWidget(textLabel(tr("(2)   Label all the nodes.")));
    layout->addWidget(textLabel(tr("(3)   Select a Datum Node.")));
    layout->addWidget(textLabel(tr("(4)   Write node voltage\n       equations using KCL.")));
    layout->addSpacing(fontMetrics().height());
    layout->addLayout(buttons);
}

}  // namespace kirvolt
