#include "tutor/node_label_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "tutor/tutor_picture.h"

namespace kirvolt {

NodeLabelDialog::NodeLabelDialog(std::function<void()> showNodeNumbers, QWidget* parent)
    : TutorDialog(parent), showNodeNumbers(std::move(showNodeNumbers)), next(new QPushButton(tr("Next"), this))
{
    auto* picture = new QToolButton(this);
    picture->setObjectName(QStringLiteral("pictureButton"));
    const QPixmap face = tutorPicture(QStringLiteral(":/tutor/node_numbering.svg"), *this);
    picture->setIcon(face);
    picture->setIconSize(face.deviceIndependentSize().toSize());
    picture->setText(tr("Click this button to assign the node numbers."));
    picture->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    connect(picture, &QToolButton::clicked, this, &NodeLabelDialog::labelNodes);

    next->setObjectName(QStringLiteral("nextButton"));
    next->setEnabled(false);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    connect(next, &QPushButton::clicked, this, &NodeLabelDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &NodeLabelDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel(tr("Step 2 of 4 for Nodal Analysis:")));
    layout->addWidget(textLabel(tr("\n\n          Label all the nodes.")));
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(textLabel(tr("The node voltage is designated by Vn where  \"n\"  is the node number, e.g. the "
                                   "node voltage for node 1 is denoted by V1, and node 2 by V2, etc."),
                                true));
    layout->addWidget(textLabel(tr("When you analyse your circuit with pen and paper, you should follow the same "
                                   "practice here by marking each independent nodes in your circuit with a unique "
                                   "node number."),
                                true));
    layout->addLayout(buttons);
}

void NodeLabelDialog::labelNodes()
{
    showNodeNumbers();
    next->setEnabled(true);
    next->setDefault(true);
}

}  // namespace kirvolt
