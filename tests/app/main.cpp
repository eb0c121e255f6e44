#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "recovery_child.h"

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform says on every window that it cannot pass size hints on.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QStringLiteral("does not support propagateSizeHints"))) {
        standardHandler(type, context, message);
    }
}

}  // namespace

// The GUI tests run on the offscreen platform unless told otherwise, and keep their settings
// apart from the user's and from those of the tests running beside them: each process has a
// home folder of its own, except a Kirvolt that a recovery test starts, which shares the home
// its test gave it with the Kirvolts started before and after it.
int main(int argc, char* argv[])
{
    const QByteArray childRole = qgetenv("KIRVOLT_RECOVERY_CHILD");
    QTemporaryDir home;
    if (childRole.isEmpty()) {
        qputenv("HOME", home.path().toLocal8Bit());
    }
    standardHandler = qInstallMessageHandler(quietOffscreenNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    if (!childRole.isEmpty()) {
        return kirvolt::testing::runRecoveryChild(childRole.constData());
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
