#include "tutor/kcl_example_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "tutor/tutor_picture.h"

namespace kirvolt {

KclExampleDialog::KclExampleDialog(QWidget* parent) : TutorDialog(parent)
{
    auto* diagram = new QLabel(this);
    diagram->setObjectName(QStringLiteral("nodeDiagram"));
    diagram->setPixmap(tutorPicture(QStringLiteral(":/tutor/node_a_example.svg"), *this));
    diagram->setFrameShape(QFrame::StyledPanel);

    auto* finish = new QPushButton(tr("Finish"), this);
    finish->setDefault(true);
    connect(finish, &QPushButton::clicked, this, &KclExampleDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(finish);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel(tr("Step 4 of 4 for Nodal Analysis:")));
    layout->addWidget(textLabel(tr("\n\n           Write node voltage\n         equations using KCL.")));
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(textLabel(tr("The following shows how you write your equation:")));
    layout->addWidget(diagram, 0, Qt::AlignHCenter);
    layout->addWidget(textLabel(tr("For Node 'a' shown above:\nSum of Current flowing out from resistors R1 and R2 = "
                                   "Current  flowing in from the source J1,"),
                                true));
    layout->addWidget(textLabel(tr("        (Va-Vb)         (Va-Vc)   \n=>    -----------   +    -----------   =  J1\n"
                                   "             R1                 R2")));
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(textLabel(tr("Nodal equations in your circuit may be prepared in a similar fashion.")));
    layout->addWidget(textLabel(tr("Check your nodal equations with that written by Kirvolt. How many equations you "
                                   "got it right?"),
                                true));
    layout->addLayout(buttons);
}

}  // namespace kirvolt
