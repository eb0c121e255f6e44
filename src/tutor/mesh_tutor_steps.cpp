#include "tutor/mesh_tutor_steps.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "tutoring/mesh_count_check.h"

namespace kirvolt {

namespace {

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons) {
        row->addWidget(button);
    }
    return row;
}

}  // namespace

MeshIntroductionDialog::MeshIntroductionDialog(QWidget* parent) : MeshTutorDialog(parent)
{
    addIntroduction(*new QVBoxLayout(this), tr("There are four steps for the Mesh Current Analysis Method."),
                    {tr("(1)  Count the number of\n       meshes in your circuit."),
                     tr("(2)   Label the mesh currents."),
                     tr("(3)   Deal with the current\n       sources."),
                     tr("(4)   Write mesh current\n       equations using KVL.")});
}

MeshCountDialog::MeshCountDialog(int branches, int nodes, QWidget* parent, MessageFunction message)
    : CountStepDialog({tr("Mesh Current Tutor"), tr("Step 1 of 4 for Mesh Current Analysis:"),
                       tr("\n   Count the number of meshes\n    in your circuit."),
                       tr("How many Meshes are there in your circuit ?"),
                       tr("Note:\nA mesh is a loop of the circuit with no other loop inside it, like a pane "
                          "of a window.\n\nWire is assumed to be ideal and is not regarded as component.")},
                      [branches, nodes](int counted) { return checkMeshCount(counted, branches, nodes); }, parent,
                      std::move(message))
{
}

MeshLabelDialog::MeshLabelDialog(std::function<void()> showMeshCurrents, QWidget* parent)
    : MeshTutorDialog(parent), showMeshCurrents(std::move(showMeshCurrents)), next(new QPushButton(tr("Next"), this))
{
    auto* label = new QPushButton(tr("Click this button to draw the mesh currents."), this);
    connect(label, &QPushButton::clicked, this, &MeshLabelDialog::labelMeshes);
    next->setEnabled(false);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    connect(next, &QPushButton::clicked, this, &MeshLabelDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &MeshLabelDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stepHeading(2));
    layout->addWidget(textLabel(tr("\n\n          Label the mesh currents.")));
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(label, 0, Qt::AlignHCenter);
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(textLabel(tr("The mesh current is designated by In where  \"n\"  is the mesh number, e.g. the "
                                   "current of mesh 1 is denoted by I1, and mesh 2 by I2, etc. The meshes are "
                                   "numbered in reading order, from the top left."),
                                true));
    layout->addWidget(textLabel(tr("Every mesh current runs clockwise round its mesh. When you analyse your circuit "
                                   "with pen and paper, you should follow the same practice here by drawing a "
                                   "clockwise arrow inside each mesh and marking it with its current."),
                                true));
    layout->addLayout(buttonRow({next, cancel}));
}

void MeshLabelDialog::labelMeshes()
{
    showMeshCurrents();
    next->setEnabled(true);
    next->setDefault(true);
}

MeshPageDialog::MeshPageDialog(const MeshTutorPage& page, QWidget* parent) : MeshTutorDialog(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stepHeading(page.step));
    layout->addWidget(page.step == 3 ? textLabel(tr("\n\n     Deal with the current sources."))
                                     : textLabel(tr("\n\n           Write mesh current\n         equations using KVL.")));
    layout->addSpacing(fontMetrics().height());

    QLabel* text = textLabel(QString::fromStdString(page.text), true);
    text->setObjectName(QStringLiteral("pageText"));
    text->setFrameShape(QFrame::StyledPanel);
    text->setMargin(fontMetrics().averageCharWidth());
    text->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    layout->addWidget(text);

    auto* next = new QPushButton(tr("Next"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &MeshPageDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &MeshPageDialog::reject);
    layout->addLayout(buttonRow({next, cancel}));
}

}  // namespace kirvolt
