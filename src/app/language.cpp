#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "document/wording.h"

namespace kirvolt {

namespace {

const char* const LANGUAGE_KEY = "Settings/Language";

// The system's "pt-BR" or "zh-Hans-CN" matched against the translations' "pt_BR", "zh_CN":
// the whole name first, then the language alone.
QString knownCode(const QString& systemLanguage)
{
    const QLocale locale(systemLanguage);
    const QString whole = locale.name();
    const QString language = whole.section(QLatin1Char('_'), 0, 0);
    for (const Language& known : knownLanguages()) {
        if (known.code == whole) {
            return known.code;
        }
    }
    for (const Language& known : knownLanguages()) {
        if (known.code.section(QLatin1Char('_'), 0, 0) == language) {
            return known.code;
        }
    }
    return {};
}

}  // namespace

const QList<Language>& knownLanguages()
{
    static const QList<Language> languages{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Fran\u00e7ais")},
        {QStringLiteral("es"), QStringLiteral("Espa\u00f1ol")},
        {QStringLiteral("pt_BR"), QStringLiteral("Portugu\u00eas (Brasil)")},
        {QStringLiteral("zh_CN"), QStringLiteral("\u7b80\u4f53\u4e2d\u6587")},
    };
    return languages;
}

QString chosenLanguage()
{
    return QSettings().value(LANGUAGE_KEY).toString();
}

void saveChosenLanguage(const QString& code)
{
    QSettings settings;
    if (code.isEmpty()) {
        settings.remove(LANGUAGE_KEY);
    } else {
        settings.setValue(LANGUAGE_KEY, code);
    }
}

QString languageToSpeak(const QString& chosen, const QStringList& systemLanguages)
{
    if (!chosen.isEmpty() && !knownCode(chosen).isEmpty()) {
        return knownCode(chosen);
    }
    for (const QString& language : systemLanguages) {
        if (const QString code = knownCode(language); !code.isEmpty()) {
            return code;
        }
    }
    return QStringLiteral("en");
}

void speakLanguage(QCoreApplication& application, const QString& code)
{
    QLocale::setDefault(QLocale(code));
    if (code == QLatin1String("en")) {
        return;
    }
    auto* program = new QTranslator(&application);
    if (program->load(QStringLiteral(":/translations/kirvolt_%1.qm").arg(code))) {
        QCoreApplication::installTranslator(program);
    }
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
    installWordingCatalogue(
        [](const char* context, const char* text) { return QCoreApplication::translate(context, text).toStdString(); });
}

}  // namespace kirvolt
