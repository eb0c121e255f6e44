#pragma once

#include <QList>
#include <QString>

class QCoreApplication;

namespace kirvolt {

// A language the program speaks: its code as the translation files name it ("de", "pt_BR")
// and its name in itself, as View > Language lists it. English has code "en".
struct Language {
    QString code;
    QString ownName;
};

// English and the languages with translations, in the order View > Language lists them.
const QList<Language>& knownLanguages();

// The code the user chose in View > Language, or an empty text for the system's language.
QString chosenLanguage();
void saveChosenLanguage(const QString& code);

// The language to speak: the one chosen, else the first of the system's languages the program
// knows, else English.
QString languageToSpeak(const QString& chosen, const QStringList& systemLanguages);

// Installs, for the language given, the program's translation and Qt's own, makes it the
// default QLocale (which the help window reads to find its translated pages) and installs the
// core's catalogue; English installs none and leaves the texts as they are written.
void speakLanguage(QCoreApplication& application, const QString& code);

}  // namespace kirvolt
