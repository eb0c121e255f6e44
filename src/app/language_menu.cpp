#include "app/language_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "app/language.h"
#include "view/widgets/kirvolt_message.h"

namespace kirvolt {

namespace {

QString text(const char* english)
{
    return QCoreApplication::translate("LanguageMenu", english);
}

QAction* languageAction(QMenu* menu, const QString& name, const QString& code)
{
    QAction* action = menu->addAction(name);
    action->setObjectName(QStringLiteral("language_") + (code.isEmpty() ? QStringLiteral("system") : code));
    action->setCheckable(true);
    action->setData(code);
    QWidget* parent = menu->parentWidget();
    QObject::connect(action, &QAction::triggered, menu, [parent, code] {
        saveChosenLanguage(code);
        showKirvoltMessage(parent, text(QT_TRANSLATE_NOOP("LanguageMenu", "Kirvolt speaks the language chosen from its next start.")),
                           MessageKind::Note);
    });
    return action;
}

}  // namespace

QMenu* createLanguageMenu(QWidget* parent)
{
    auto* menu = new QMenu(text(QT_TRANSLATE_NOOP("LanguageMenu", "&Language")), parent);
    menu->setObjectName(QStringLiteral("languageMenu"));
    languageAction(menu, text(QT_TRANSLATE_NOOP("LanguageMenu", "System Default")), QString());
    menu->addSeparator();
    for (const Language& language : knownLanguages()) {
        languageAction(menu, language.ownName, language.code);
    }
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        const QString chosen = chosenLanguage();
        for (QAction* action : menu->actions()) {
            action->setChecked(!action->isSeparator() && action->data().toString() == chosen);
        }
    });
    return menu;
}

}  // namespace kirvolt
