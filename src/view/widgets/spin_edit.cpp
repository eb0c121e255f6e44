#include "view/widgets/spin_edit.h"

#include <algorithm>

#include <QLineEdit>

#include "view/widgets/integer_field.h"

namespace kirvolt {

SpinEdit::SpinEdit(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), minimum(minimum), maximum(maximum), lastPosition(minimum)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinEdit::followText);
}

// The control keeps up with every number written into the box, so that after a text that is
// no number the arrows go on from the last one.
void SpinEdit::followText(const QString& text)
{
    const std::optional<long long> typed = parseIntegerField(text);
    if (typed && *typed >= minimum && *typed <= maximum) {
        lastPosition = static_cast<int>(*typed);
    }
    emit textChanged(text);
}

void SpinEdit::setDigitsOnly(bool only)
{
    digitsOnly = only;
}

void SpinEdit::setText(const QString& text)
{
    lineEdit()->setText(text);
}

void SpinEdit::stepBy(int steps)
{
    const std::optional<long long> typed = parseIntegerField(text());
    const long long from = typed ? std::clamp<long long>(*typed, minimum, maximum) : lastPosition;
    lastPosition = static_cast<int>(std::clamp<long long>(from + steps, minimum, maximum));
    setText(QString::number(lastPosition));
    selectAll();
}

QSize SpinEdit::sizeHint() const
{
    const QSize base = QAbstractSpinBox::sizeHint();
    const int digits = fontMetrics().horizontalAdvance(QString::number(maximum)) * 2;
    return {std::max(base.width(), digits + base.height()), base.height()};
}

QValidator::State SpinEdit::validate(QString& input, int&) const
{
    const bool allDigits = std::all_of(input.cbegin(), input.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digitsOnly && !allDigits ? QValidator::Invalid : QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const
{
    const std::optional<long long> typed = parseIntegerField(text());
    if (!typed) {
        return StepUpEnabled | StepDownEnabled;
    }
    StepEnabled enabled = StepNone;
    if (*typed < maximum) {
        enabled |= StepUpEnabled;
    }
    if (*typed > minimum) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

}  // namespace kirvolt
