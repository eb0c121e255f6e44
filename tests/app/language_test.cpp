#include <QCoreApplication>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>

#include "app/language.h"
#include "app/language_menu.h"
#include "app_fixture.h"
#include "document/text_lists.h"
#include "document/wording.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "support/sample_circuits.h"

namespace kirvolt::testing {
namespace {

using Language = AppFixture;

TEST(LanguageToSpeak, IsTheChosenOneElseTheFirstSystemLanguageKnownElseEnglish)
{
    const struct {
        const char* chosen;
        QStringList system;
        const char* spoken;
    } cases[] = {
        {"", {"de-DE", "en-US"}, "de"},
        {"", {"pt-BR"}, "pt_BR"},
        {"", {"pt-PT"}, "pt_BR"},
        {"", {"zh-Hans-CN"}, "zh_CN"},
        {"", {"ja-JP", "fr-CA"}, "fr"},
        {"", {"ja-JP"}, "en"},
        {"", {}, "en"},
        {"es", {"de-DE"}, "es"},
        {"en", {"de-DE"}, "en"},
        {"xx", {"zh-CN"}, "zh_CN"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(languageToSpeak(QString::fromUtf8(c.chosen), c.system), QString::fromUtf8(c.spoken)) << c.chosen;
    }
}

TEST_F(Language, TheViewMenuListsEachLanguageInItsOwnNameAndKeepsTheChoiceForTheNextStart)
{
    auto* menu = frame().findChild<QMenu*>(QStringLiteral("languageMenu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("&Language"));
    QStringList names;
    for (QAction* item : menu->actions()) {
        if (!item->isSeparator()) {
            names << item->text();
        }
    }
    EXPECT_EQ(names, QStringList({QStringLiteral("System Default"), QStringLiteral("English"), QStringLiteral("Deutsch"),
                                  QStringLiteral("Fran\u00e7ais"), QStringLiteral("Espa\u00f1ol"),
                                  QStringLiteral("Portugu\u00eas (Brasil)"), QStringLiteral("\u7b80\u4f53\u4e2d\u6587")}));

    const auto checked = [menu] {
        emit menu->aboutToShow();
        QStringList on;
        for (QAction* item : menu->actions()) {
            if (item->isChecked()) {
                on << item->objectName();
            }
        }
        return on;
    };
    EXPECT_EQ(checked(), QStringList{QStringLiteral("language_system")});
    ModalAnswerer answerer;
    menu->findChild<QAction*>(QStringLiteral("language_pt_BR"))->trigger();
    EXPECT_EQ(QSettings().value(QStringLiteral("Settings/Language")).toString(), QStringLiteral("pt_BR"));
    EXPECT_EQ(answerer.texts, QStringList{QStringLiteral("Kirvolt speaks the language chosen from its next start.")});
    EXPECT_EQ(checked(), QStringList{QStringLiteral("language_pt_BR")});
    menu->findChild<QAction*>(QStringLiteral("language_system"))->trigger();
    EXPECT_FALSE(QSettings().contains(QStringLiteral("Settings/Language")));
    EXPECT_EQ(checked(), QStringList{QStringLiteral("language_system")});
}

// Stands in for a German translation of the lists' "and".
class ListsInGerman : public QTranslator {
public:
    QString translate(const char* context, const char* text, const char*, int) const override
    {
        return QByteArray(context) == "Lists" && QByteArray(text) == "%1 and %2" ? QStringLiteral("%1 und %2")
                                                                                  : QString();
    }
    bool isEmpty() const override { return false; }
};

TEST_F(Language, InGermanTheCoreSpeaksGermanAndTheResultsKeepTheirDecimalPoint)
{
    speakLanguage(*QCoreApplication::instance(), QStringLiteral("de"));
    ListsInGerman german;
    QCoreApplication::installTranslator(&german);
    EXPECT_EQ(QLocale().name(), QStringLiteral("de_DE"));
    EXPECT_EQ(QLocale().toString(2.5), QStringLiteral("2,5"));
    EXPECT_EQ(spokenList({"R1", "R2", "R3"}), "R1, R2 und R3");

    buildVoltageDivider(activeDoc());
    trigger(ID_ANALYSE_NODE_VOLTAGE);
    ASSERT_TRUE(activeDoc().resultsAreCurrent());
    QString pane;
    for (const ResultsLine& line : activeDoc().analysisResults) {
        pane += QString::fromStdString(line.plainText()) + QLatin1Char('\n');
    }
    EXPECT_TRUE(pane.contains(QRegularExpression(QStringLiteral("\\d\\.\\d+ V")))) << pane.toStdString();
    EXPECT_FALSE(pane.contains(QRegularExpression(QStringLiteral("\\d,\\d")))) << pane.toStdString();

    QCoreApplication::removeTranslator(&german);
    installWordingCatalogue({});
    QLocale::setDefault(QLocale::c());
}

}  // namespace
}  // namespace kirvolt::testing
