#include <QApplication>
#include <QIcon>
#include <QLocale>

#include <clocale>

#include <cstring>
#include <iostream>

#include "app/kirvolt_app.h"
#include "app/language.h"
#include "app/main_frame.h"
#include "kirvolt_version.h"

int main(int argc, char* argv[])
{
    // Answered before Qt starts, so that it needs no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "kirvolt " KIRVOLT_VERSION "\n";
        return 0;
    }
    QApplication application(argc, argv);
    // Qt has set the C library's locale from the environment; the program's numbers keep their
    // decimal point in every language.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setOrganizationName(QStringLiteral("Nodewerks"));
    QCoreApplication::setApplicationName(QStringLiteral("Kirvolt"));
    kirvolt::speakLanguage(application, kirvolt::languageToSpeak(kirvolt::chosenLanguage(), QLocale::system().uiLanguages()));
    QApplication::setApplicationVersion(QStringLiteral(KIRVOLT_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kirvolt.svg")));
    kirvolt::CKirvoltApp app;
    if (!app.InitInstance(QApplication::arguments())) {
        return 1;
    }
    app.mainFrame().showMaximized();
    return QApplication::exec();
}
