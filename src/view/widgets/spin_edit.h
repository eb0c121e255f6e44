#pragma once

#include <QAbstractSpinBox>

namespace kirvolt {

// An edit box with an up-down control attached, as the platform's dialogs have them: the text
// is free (the dialog validates it), the arrows and arrow keys step the number within a range
// and write it into the box.
class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT

public:
    SpinEdit(int minimum, int maximum, QWidget* parent = nullptr);

    // Lets only digits be typed, like an edit box with the number style.
    void setDigitsOnly(bool digitsOnly);
    void setText(const QString& text);
    void stepBy(int steps) override;
    QSize sizeHint() const override;

signals:
    void textChanged(const QString& text);

protected:
    QValidator::State validate(QString& input, int& position) const override;
    StepEnabled stepEnabled() const override;

private:
    void followText(const QString& text);

    int minimum;
    int maximum;
    bool digitsOnly = false;
    // Where the control last stood; used when the box holds no number.
    int lastPosition;
};

}  // namespace kirvolt
