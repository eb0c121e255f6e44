#pragma once

#include <optional>

#include <QString>

namespace kirvolt {

// Reads an integer the way the platform's dialog fields do: blanks around the number and a
// sign are allowed, anything else is not a number.
std::optional<long long> parseIntegerField(const QString& text);

// The outcome of checking an integer field against its range: the value, or the platform's
// message ("Please enter an integer." or "Please enter an integer between %1 and %2.").
struct IntegerFieldCheck {
    std::optional<int> value;
    QString message;
};

IntegerFieldCheck checkIntegerField(const QString& text, int minimum, int maximum);

}  // namespace kirvolt
