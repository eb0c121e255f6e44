#include <QApplication>
#include <QIcon>

#include "app/kirvolt_app.h"
#include "app/main_frame.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kirvolt.svg")));
    kirvolt::CKirvoltApp app;
    if (!app.InitInstance(QApplication::arguments())) {
        return 1;
    }
    app.mainFrame().showMaximized();
    return QApplication::exec();
}
