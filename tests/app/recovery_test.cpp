#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <string>

namespace kirvolt::testing {
namespace {

// This test program started again as a Kirvolt in the given role, in the given home folder.
void start(QProcess& kirvolt, const QString& role, const QString& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KIRVOLT_RECOVERY_CHILD"), role);
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    kirvolt.setProcessEnvironment(environment);
    kirvolt.start(QCoreApplication::applicationFilePath(), {});
    ASSERT_TRUE(kirvolt.waitForStarted(10000));
}

// Starts a Kirvolt that places a resistor and kills it, with SIGKILL, once the edit is in
// its recovery file.
void editAndKill(const QString& home)
{
    QProcess kirvolt;
    ASSERT_NO_FATAL_FAILURE(start(kirvolt, QStringLiteral("edit"), home));
    QByteArray said;
    while (!said.contains('\n') && kirvolt.waitForReadyRead(20000)) {
        said += kirvolt.readAllStandardOutput();
    }
    ASSERT_EQ(said, "written\n");
    kirvolt.kill();
    ASSERT_TRUE(kirvolt.waitForFinished(10000));
    ASSERT_EQ(kirvolt.exitStatus(), QProcess::CrashExit);
}

std::string startAndAnswer(const QString& role, const QString& home)
{
    QProcess kirvolt;
    start(kirvolt, role, home);
    EXPECT_TRUE(kirvolt.waitForFinished(30000));
    EXPECT_EQ(kirvolt.exitCode(), 0) << kirvolt.readAllStandardError().constData();
    return kirvolt.readAllStandardOutput().toStdString();
}

const std::string OFFER = (
    "asked: Kirvolt ended without closing Kirvolt1, which had unsaved changes.\n"
    "Reopen it with those changes? If you do not, they are discarded.\n");

struct RecoveryCase {
    const char* answer;
    std::string shown;  // what the Kirvolt that answered the offer had open
};

void PrintTo(const RecoveryCase& recovery, std::ostream* out) { *out << recovery.answer; }

class Recovery : public ::testing::TestWithParam<RecoveryCase> {};

TEST_P(Recovery, AKilledKirvoltsEditIsOfferedOnceAndComesBackOnlyWhenAccepted)
{
    QTemporaryDir home;
    ASSERT_NO_FATAL_FAILURE(editAndKill(home.path()));
    EXPECT_EQ(startAndAnswer(QString::fromLatin1(GetParam().answer), home.path()), OFFER + GetParam().shown);
    // Whichever the answer, nothing is offered again, and a clean end leaves nothing behind.
    EXPECT_EQ(startAndAnswer(QStringLiteral("accept"), home.path()), "Kirvolt1:\n");
}

INSTANTIATE_TEST_SUITE_P(Answers, Recovery,
                         ::testing::Values(RecoveryCase{"accept", "Kirvolt1*: R1@10,10\n"},
                                           RecoveryCase{"decline", "Kirvolt1:\n"}),
                         [](const ::testing::TestParamInfo<RecoveryCase>& info) { return std::string(info.param.answer); });

}  // namespace
}  // namespace kirvolt::testing
