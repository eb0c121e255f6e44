#pragma once

#include <QDialog>
#include <QStringList>

#include "theorems/thevenin.h"

class QComboBox;
class QRadioButton;

namespace kirvolt {

// Analyse > Thévenin Equivalent: the two nodes the equivalent stands between, or the resistor
// it is seen by.
class TheveninQuestionDialog : public QDialog {
    Q_OBJECT
public:
    TheveninQuestionDialog(const QStringList& nodes, const QStringList& resistors, QWidget* parent);
    TheveninQuestion question() const;

private:
    QRadioButton* betweenNodes;
    QRadioButton* seenByResistor;
    QComboBox* nodeA;
    QComboBox* nodeB;
    QComboBox* load;
};

}  // namespace kirvolt
