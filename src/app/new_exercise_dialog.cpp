#include "app/new_exercise_dialog.h"

#include <algorithm>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace kirvolt {

ExerciseCounts difficultyCounts(int difficulty)
{
    static constexpr ExerciseCounts COUNTS[] = {{2, 1, 0}, {3, 1, 1}, {5, 2, 2}};
    return COUNTS[std::clamp(difficulty, 0, 2)];
}

NewExerciseDialog::NewExerciseDialog(std::uint64_t seed, QWidget* parent)
    : QDialog(parent), difficulty(new QComboBox(this)), seedField(new QLineEdit(this)), countsLabel(new QLabel(this))
{
    setWindowTitle(tr("New Exercise"));
    difficulty->setObjectName("difficulty");
    difficulty->addItems({tr("Easy"), tr("Medium"), tr("Hard")});
    difficulty->setCurrentIndex(1);
    seedField->setObjectName("seed");
    seedField->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{1,20}")), seedField));
    seedField->setText(QString::number(seed));
    countsLabel->setObjectName("counts");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(difficulty, &QComboBox::currentIndexChanged, this, &NewExerciseDialog::update);
    connect(seedField, &QLineEdit::textChanged, this, &NewExerciseDialog::update);

    auto* form = new QFormLayout;
    form->addRow(tr("&Difficulty:"), difficulty);
    form->addRow(QString(), countsLabel);
    form->addRow(tr("&Seed:"), seedField);
    auto* note = new QLabel(tr("The same seed and difficulty always give the same exercise."), this);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    update();
}

ExerciseCounts NewExerciseDialog::counts() const { return difficultyCounts(difficulty->currentIndex()); }

std::optional<std::uint64_t> NewExerciseDialog::seed() const
{
    bool fits = false;
    const std::uint64_t value = seedField->text().toULongLong(&fits);
    return fits ? std::optional(value) : std::nullopt;
}

void NewExerciseDialog::update()
{
    countsLabel->setText(QString::fromStdString(exerciseCountsText(counts())));
    ok->setEnabled(seed().has_value());
}

}  // namespace kirvolt
