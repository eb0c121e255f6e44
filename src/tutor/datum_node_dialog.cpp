#include "tutor/datum_node_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kirvolt {

DatumNodeDialog::DatumNodeDialog(DatumCandidates candidates, QWidget* parent)
    : TutorDialog(parent),
      candidates(std::move(candidates)),
      nodeList(new QListWidget(this)),
      chosenName(textLabel(QString())),
      otherNames(textLabel(QString(), true)),
      equationCount(textLabel(QString())),
      next(new QPushButton(tr("Next"), this))
{
    nodeList->setObjectName(QStringLiteral("nodeList"));
    chosenName->setObjectName(QStringLiteral("chosenName"));
    otherNames->setObjectName(QStringLiteral("otherNames"));
    equationCount->setObjectName(QStringLiteral("equationCount"));
    for (const std::string& name : this->candidates.names) {
        nodeList->addItem(QString::fromStdString(name));
    }
    nodeList->setMaximumWidth(fontMetrics().averageCharWidth() * 12);
    // Only a real selection counts; the list merely taking the focus does not choose a node.
    connect(nodeList, &QListWidget::itemSelectionChanged, this, &DatumNodeDialog::showChoice);

    next->setObjectName(QStringLiteral("nextButton"));
    next->setEnabled(false);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    connect(next, &QPushButton::clicked, this, &DatumNodeDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &DatumNodeDialog::reject);

    auto* chosenLine = new QHBoxLayout;
    chosenLine->setSpacing(0);
    chosenLine->addWidget(textLabel(tr("chosen node, Node ")));
    chosenLine->addWidget(chosenName);
    chosenLine->addWidget(textLabel(tr(".")));
    chosenLine->addStretch();

    auto* countLine = new QHBoxLayout;
    countLine->addWidget(textLabel(tr("A total of")));
    countLine->addWidget(equationCount);
    countLine->addWidget(textLabel(tr("equations needed,")));
    countLine->addStretch();

    auto* explanation = new QVBoxLayout;
    explanation->addWidget(textLabel(tr("The voltage at other nodes are measured with respect to this")));
    explanation->addLayout(chosenLine);
    explanation->addSpacing(fontMetrics().height());
    explanation->addLayout(countLine);
    explanation->addWidget(textLabel(tr("one for each of the nodes below:")));
    explanation->addWidget(otherNames);
    explanation->addStretch();

    auto* choosing = new QGridLayout;
    choosing->addWidget(textLabel(tr("Select a node on the left to be the Datum Node:")), 0, 0, 1, 2);
    choosing->addWidget(nodeList, 1, 0);
    choosing->addLayout(explanation, 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel(tr("Step 3 of 4 for Nodal Analysis:")));
    layout->addWidget(textLabel(tr("\n\n         Select a Datum Node.")));
    layout->addSpacing(fontMetrics().height());
    layout->addLayout(choosing);
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(textLabel(tr("To simplify your calculation, you should select a node with the largest number of "
                                   "components connected to it as the Datum Node."),
                                true));
    layout->addLayout(buttons);
}

void DatumNodeDialog::showChoice()
{
    const QList<QListWidgetItem*> selected = nodeList->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    chosen = nodeList->row(selected.first());
    const DatumChoiceTexts texts = describeDatumChoice(candidates, chosen);
    chosenName->setText(QString::fromStdString(texts.chosenName));
    otherNames->setText(QString::fromStdString(texts.otherNames));
    equationCount->setText(QString::number(texts.equationCount));
    next->setEnabled(true);
    next->setDefault(true);
}

}  // namespace kirvolt
