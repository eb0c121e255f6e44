#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

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
// home folder of its own.
int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    standardHandler = qInstallMessageHandler(quietOffscreenNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
