#include "tutor/chord_tutor_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kirvolt {

ChordTutorDialog::ChordTutorDialog(QWidget* parent) : TutorDialog(parent)
{
    setWindowTitle(tr("Chord Current Tutor"));
    new QVBoxLayout(this);
}

void ChordTutorDialog::addStepHeading(int step)
{
    const QString about[] = {tr("\n\n          Pick a tree."), tr("\n\n     Name the chords."),
                             tr("\n\n     See each fundamental loop."),
                             tr("\n\n           Write loop current\n         equations using KVL.")};
    layout()->addWidget(headingLabel(tr("Step %1 of 4 for Chord Current Analysis:").arg(step)));
    layout()->addWidget(textLabel(about[step - 1]));
}

QPushButton* ChordTutorDialog::addButtons(bool last)
{
    auto* next = new QPushButton(last ? tr("Finish") : tr("Next"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &ChordTutorDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &ChordTutorDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(next);
    row->addWidget(cancel);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    return next;
}

}  // namespace kirvolt
