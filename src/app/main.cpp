#include <QApplication>
#include <QIcon>
#include <QLocale>

#include <clocale>

#include "app/kirvolt_app.h"
#include "app/language.h"
#include "app/main_frame.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Qt has set the C library's locale from the environment; the program's numbers keep their
    // decimal point in every language.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setOrganizationName(QStringLiteral("Nodewerks"));
    QCoreApplication::setApplicationName(QStringLiteral("Kirvolt"));
    kirvolt::speakLanguage(application, kirvolt::languageToSpeak(kirvolt::chosenLanguage(), QLocale::system().uiLanguages()));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kirvolt.svg")));
    kirvolt::CKirvoltApp app;
    if (!app.InitInstance(QApplication::arguments())) {
        return 1;
    }
    app.mainFrame().showMaximized();
    return QApplication::exec();
}
