#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QTextBrowser>

#include <utility>

#include "app/help_window.h"

namespace kirvolt::testing {
namespace {

const char* const LANGUAGES[] = {"de", "fr", "es", "pt_BR", "zh_CN"};

// The pages and pictures a page points to, in the order it names them, as files in the resources.
QStringList targetsOf(const QString& page)
{
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly)) {
        return {QStringLiteral("unreadable ") + page};
    }
    const QString html = QString::fromUtf8(file.readAll());
    const QUrl base(QLatin1String("qrc") + page);
    QStringList targets;
    static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    for (auto match = reference.globalMatch(html); match.hasNext();) {
        targets << QLatin1Char(':') + base.resolved(QUrl(match.next().captured(1))).path();
    }
    return targets;
}

TEST(HelpLanguages, EachLanguageOpensItsOwnGuideAndAnyOtherTheEnglishOne)
{
    const std::pair<const char*, const char*> table[] = {
        {"de_DE", "qrc:/help/de/index.html"},       {"de_AT", "qrc:/help/de/index.html"},
        {"fr_FR", "qrc:/help/fr/index.html"},       {"fr_CA", "qrc:/help/fr/index.html"},
        {"es_ES", "qrc:/help/es/index.html"},       {"es_MX", "qrc:/help/es/index.html"},
        {"pt_BR", "qrc:/help/pt_BR/index.html"},    {"zh_CN", "qrc:/help/zh_CN/index.html"},
        {"en_GB", "qrc:/help/index.html"},          {"sv_SE", "qrc:/help/index.html"},
    };
    for (const auto& [name, page] : table) {
        EXPECT_EQ(helpIndexFor(QLocale(QLatin1String(name))).toString().toStdString(), page) << name;
    }
    const QLocale before;
    QLocale::setDefault(QLocale(QStringLiteral("fr_FR")));
    HelpWindow help(nullptr);
    QLocale::setDefault(before);
    EXPECT_EQ(help.browser()->source().toString(), QStringLiteral("qrc:/help/fr/index.html"));
    EXPECT_TRUE(help.browser()->toPlainText().startsWith(QStringLiteral("Aide de Kirvolt")));
}

TEST(HelpLanguages, EveryPageIsTranslatedAndPointsToWhatExists)
{
    const QStringList english = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_EQ(english.size(), 5);
    for (const char* language : LANGUAGES) {
        const QString folder = QStringLiteral(":/help/%1/").arg(QLatin1String(language));
        EXPECT_EQ(QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files).join(QLatin1Char(' ')).toStdString(),
                  english.join(QLatin1Char(' ')).toStdString())
            << language;
        for (const QString& name : english) {
            const QStringList originals = targetsOf(QStringLiteral(":/help/") + name);
            const QStringList targets = targetsOf(folder + name);
            ASSERT_EQ(targets.size(), originals.size()) << language << ' ' << name.toStdString();
            for (qsizetype i = 0; i < targets.size(); ++i) {
                // Pictures are shared with the English guide; links stay in the page's language.
                const QString expected = originals[i].endsWith(QLatin1String(".html"))
                                             ? folder + QFileInfo(originals[i]).fileName()
                                             : originals[i];
                EXPECT_EQ(targets[i].toStdString(), expected.toStdString()) << language << ' ' << name.toStdString();
                EXPECT_TRUE(QFile::exists(targets[i])) << targets[i].toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace kirvolt::testing
