#include "translation_placeholders.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace kirvolt::testing {

namespace {

QStringList placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d{1,2}|n)"));
    QStringList found;
    for (auto match = placeholder.globalMatch(text); match.hasNext();) {
        found << match.next().captured(1);
    }
    found.sort();
    found.removeDuplicates();
    return found;
}

struct Message {
    bool numerus = false;
    QString source;
    QStringList translations;
};

}  // namespace

QStringList placeholderFaults(const QByteArray& tsXml)
{
    QStringList faults;
    QXmlStreamReader xml(tsXml);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("message")) {
                message = {xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"), {}, {}};
            } else if (xml.name() == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation") && !message.numerus &&
                       xml.attributes().value(QLatin1String("type")) != QLatin1String("vanished") &&
                       xml.attributes().value(QLatin1String("type")) != QLatin1String("obsolete")) {
                const QString text = xml.readElementText();
                if (!text.isEmpty()) {
                    message.translations << text;
                }
            } else if (xml.name() == QLatin1String("numerusform")) {
                message.translations << xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            const QStringList wanted = placeholders(message.source);
            for (const QString& translation : message.translations) {
                if (!translation.isEmpty() && placeholders(translation) != wanted) {
                    faults << context + QStringLiteral(": ") + message.source;
                    break;
                }
            }
        }
    }
    if (xml.hasError()) {
        faults << QStringLiteral("not a translation file: ") + xml.errorString();
    }
    return faults;
}

}  // namespace kirvolt::testing
