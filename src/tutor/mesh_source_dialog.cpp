#include "tutor/mesh_source_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kirvolt {

MeshSourceDialog::MeshSourceDialog(CurrentSourceQuiz& quiz, MarkFunction mark, QWidget* parent)
    : MeshTutorDialog(parent), quiz(quiz), mark(std::move(mark))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stepHeading(3));
    layout->addWidget(textLabel(tr("\n\n     Deal with the current sources.")));
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(textLabel(tr("A current source with the outside of the drawing on one side fixes the current "
                                   "of the mesh on its other side; a current source between two meshes joins them "
                                   "into a supermesh. Find them all by clicking inside the meshes of your circuit: "
                                   "a mesh whose current is fixed, or the two meshes of a pair one after the other."),
                                true));
    layout->addWidget(textLabel(tr("You are looking for:")));
    auto* known = new QRadioButton(tr("A mesh whose current a source fixes"), this);
    known->setChecked(true);
    pairs = new QRadioButton(tr("Two meshes joined by a current source"), this);
    reply = textLabel(tr("Click inside a mesh of your circuit."), true);
    progress = textLabel(QString::fromStdString(quiz.progress()), true);
    next = new QPushButton(tr("Next"), this);
    reply->setObjectName(QStringLiteral("replyText"));
    reply->setFrameShape(QFrame::StyledPanel);
    reply->setMargin(fontMetrics().averageCharWidth());
    reply->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    // The longest reply, a supermesh found last, runs to thirteen lines.
    reply->setMinimumHeight(fontMetrics().height() * 14);
    reply->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    progress->setObjectName(QStringLiteral("progressText"));
    next->setEnabled(false);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    connect(next, &QPushButton::clicked, this, &MeshSourceDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &MeshSourceDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(cancel);

    layout->addWidget(known);
    layout->addWidget(pairs);
    layout->addWidget(reply);
    layout->addWidget(progress);
    layout->addLayout(buttons);
}

void MeshSourceDialog::takeClick(Point logical)
{
    if (quiz.done()) {
        return;
    }
    MeshClickReply answer = quiz.click(logical, pairs->isChecked() ? MeshClaim::joinedPair : MeshClaim::knownCurrent);
    marked = std::move(answer.highlight);
    mark(&marked);
    reply->setText(QString::fromStdString(answer.text));
    progress->setText(QString::fromStdString(quiz.progress()));
    if (quiz.done()) {
        next->setEnabled(true);
        next->setDefault(true);
        next->setFocus();
    }
}

}  // namespace kirvolt
