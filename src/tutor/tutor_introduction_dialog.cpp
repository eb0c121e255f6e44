#include "tutor/tutor_introduction_dialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "tutor/background_notes_dialog.h"

namespace kirvolt {

TutorIntroductionDialog::TutorIntroductionDialog(QWidget* parent) : TutorDialog(parent)
{
    auto* notes = new QPushButton(tr("Background Notes"), this);
    connect(notes, &QPushButton::clicked, this, [] { BackgroundNotesDialog::openAnother(); });
    addIntroduction(*new QVBoxLayout(this), tr("There are four steps for the Nodal Voltage Analysis Method."),
                    {tr("(1)  Count the number of\n       nodes in your circuit."), tr("(2)   Label all the nodes."),
                     tr("(3)   Select a Datum Node."), tr("(4)   Write node voltage\n       equations using KCL.")},
                    notes);
}

}  // namespace kirvolt
