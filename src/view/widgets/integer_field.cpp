#include "view/widgets/integer_field.h"

#include <limits>

#include <QCoreApplication>
#include <QRegularExpression>

namespace kirvolt {

std::optional<long long> parseIntegerField(const QString& text)
{
    static const QRegularExpression integer(QStringLiteral("^[ \\t]*([+-]?[0-9]+)[ \\t]*$"));
    const QRegularExpressionMatch match = integer.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    // Numbers too long for any field count as out of range, not as no number at all.
    bool fits = false;
    const long long value = match.captured(1).toLongLong(&fits);
    if (!fits) {
        return match.captured(1).startsWith(QLatin1Char('-')) ? std::numeric_limits<long long>::min()
                                                                : std::numeric_limits<long long>::max();
    }
    return value;
}

IntegerFieldCheck checkIntegerField(const QString& text, int minimum, int maximum)
{
    const std::optional<long long> value = parseIntegerField(text);
    if (!value) {
        return {std::nullopt, QCoreApplication::translate("Kirvolt", "Please enter an integer.")};
    }
    if (*value < minimum || *value > maximum) {
        return {std::nullopt, QCoreApplication::translate("Kirvolt", "Please enter an integer between %1 and %2.")
                                  .arg(minimum)
                                  .arg(maximum)};
    }
    return {static_cast<int>(*value), QString()};
}

}  // namespace kirvolt
