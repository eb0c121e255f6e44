#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

// The GUI tests run on the offscreen platform unless told otherwise, and keep their settings
// apart from the user's.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
