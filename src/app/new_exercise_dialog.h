#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>

#include "exercises/exercise_generator.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kirvolt {

// How hard an exercise is, as the dialog offers it: Easy, Medium (the command line's default
// counts) and Hard.
ExerciseCounts difficultyCounts(int difficulty);

// Asks for the difficulty and the seed of a new exercise. The seed starts as the one given (a
// random one) and stays in view, so that a teacher can note it and give the same exercise
// again. Children are named ("difficulty", "seed", "counts") for tests.
class NewExerciseDialog final : public QDialog {
    Q_OBJECT

public:
    NewExerciseDialog(std::uint64_t seed, QWidget* parent);

    ExerciseCounts counts() const;
    // None while the field holds no whole number that fits a seed.
    std::optional<std::uint64_t> seed() const;

private:
    void update();

    QComboBox* difficulty;
    QLineEdit* seedField;
    QLabel* countsLabel;
    QPushButton* ok = nullptr;
};

}  // namespace kirvolt
