#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "document/circuit_file.h"
#include "support/sample_circuits.h"

namespace kirvolt {
namespace {

namespace fs = std::filesystem;

// Each test works in a directory of its own that it removes afterwards.
class CircuitFileDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              ("kirvolt_" + std::string(test->name()) + "_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        fs::remove_all(dir);
    }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    std::set<std::string> entries() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    fs::path dir;
};

std::vector<std::uint8_t> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, std::string_view content)
{
    std::ofstream(path, std::ios::binary) << content;
}

TEST_F(CircuitFileDisk, SavedCircuitLoadsBackAndNoTemporaryIsLeft)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    ASSERT_TRUE(doc.IsModified());
    const std::string target = path("divider.kvt");
    const FileResult saved = saveCircuit(doc, target);
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_EQ(saved.message, "");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(fileBytes(target), circuitBytes(doc));
    EXPECT_EQ(entries(), (std::set<std::string>{"divider.kvt"}));

    CKirvoltDoc loaded;
    const FileResult read = loadCircuit(target, loaded);
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(loaded.components.size(), doc.components.size());
}

TEST_F(CircuitFileDisk, SavingOverAFileReplacesItAndKeepsItsPermissions)
{
    const std::string target = path("old.kvt");
    writeFile(target, "previous contents");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    ASSERT_TRUE(saveCircuit(doc, target).ok);
    EXPECT_EQ(fileBytes(target), circuitBytes(doc));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entries(), (std::set<std::string>{"old.kvt"}));
}

TEST_F(CircuitFileDisk, SavingThroughALinkReplacesTheFileItPointsTo)
{
    fs::create_directory(path("real"));
    const std::string real = path("real") + "/circuit.kvt";
    writeFile(real, "previous contents");
    fs::create_symlink(real, path("link.kvt"));
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    ASSERT_TRUE(saveCircuit(doc, path("link.kvt")).ok);
    EXPECT_TRUE(fs::is_symlink(path("link.kvt")));
    EXPECT_EQ(fileBytes(real), circuitBytes(doc));
    EXPECT_EQ(std::distance(fs::directory_iterator(path("real")), fs::directory_iterator()), 1);
}

// A file of no bytes is what a failed copy leaves, and a device or a file far larger than any
// circuit is refused before it fills the memory.
TEST_F(CircuitFileDisk, EmptyAndOversizedFilesAreRefusedNamingTheFile)
{
    writeFile(path("empty.kvt"), "");
    fs::resize_file(path("empty.kvt"), 0);
    writeFile(path("huge.kvt"), "");
    fs::resize_file(path("huge.kvt"), MAX_READ_BYTES + 1);
    const std::string tooLarge = ": it is larger than any circuit of the drawing area could be.";
    const std::pair<std::string, std::string> cases[] = {
        {path("empty.kvt"), "Kirvolt could not open " + path("empty.kvt") + ": the file is empty."},
        {path("huge.kvt"), "Kirvolt could not open " + path("huge.kvt") + tooLarge},
        {"/dev/zero", "Kirvolt could not open /dev/zero" + tooLarge},
    };
    for (const auto& [file, message] : cases) {
        CKirvoltDoc doc;
        const FileResult result = loadCircuit(file, doc);
        EXPECT_FALSE(result.ok) << file;
        EXPECT_EQ(result.message, message);
        EXPECT_TRUE(doc.components.empty());
    }
}

TEST_F(CircuitFileDisk, FilesThatCannotBeReadAreNamedInTheMessage)
{
    writeFile(path("plain"), "x");
    writeFile(path("bad.kvt"), "not a circuit");
    fs::create_directory(path("folder.kvt"));
    const std::pair<std::string, std::string> cases[] = {
        {path("missing.kvt"), path("missing.kvt") + " was not found."},
        {path("plain") + "/c.kvt", path("plain") + "/c.kvt contains an invalid path."},
        {path("folder.kvt"), "Access to " + path("folder.kvt") + " was denied."},
        {path("bad.kvt"), "Unexpected file format."},
    };
    for (const auto& [file, message] : cases) {
        CKirvoltDoc doc;
        const FileResult result = loadCircuit(file, doc);
        EXPECT_FALSE(result.ok) << file;
        EXPECT_EQ(result.message, message);
    }
}

TEST_F(CircuitFileDisk, FailedSaveLeavesEverythingAsItWas)
{
    writeFile(path("plain"), "unchanged");
    fs::create_directory(path("folder.kvt"));
    writeFile(path("folder.kvt") + "/inside", "kept");
    const std::pair<std::string, std::string> cases[] = {
        {path("plain") + "/c.kvt", path("plain") + "/c.kvt contains an invalid path."},
        {path("nowhere") + "/c.kvt", path("nowhere") + "/c.kvt was not found."},
        {path("folder.kvt"), "Access to " + path("folder.kvt") + " was denied."},
    };
    const auto before = entries();
    for (const auto& [file, message] : cases) {
        CKirvoltDoc doc;
        testing::buildVoltageDivider(doc);
        const FileResult result = saveCircuit(doc, file);
        EXPECT_FALSE(result.ok) << file;
        EXPECT_EQ(result.message, message);
        EXPECT_TRUE(doc.IsModified()) << file;
    }
    EXPECT_EQ(entries(), before);
    EXPECT_EQ(fileBytes(path("plain")), (std::vector<std::uint8_t>{'u', 'n', 'c', 'h', 'a', 'n', 'g', 'e', 'd'}));
    EXPECT_EQ(fs::file_size(path("folder.kvt") + "/inside"), 4u);
}

// A file size limit makes writing fail part way, as a full disk would.
TEST_F(CircuitFileDisk, WriteFailureKeepsThePreviousFile)
{
    const std::string target = path("circuit.kvt");
    CKirvoltDoc small;
    ASSERT_TRUE(saveCircuit(small, target).ok);
    const auto previous = fileBytes(target);

    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    ASSERT_GT(circuitBytes(doc).size(), 1024u);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const FileResult result = saveCircuit(doc, target);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message,
              "Kirvolt could not save " + target + ": the file is larger than the disk or the system allows.");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(fileBytes(target), previous);
    EXPECT_EQ(entries(), (std::set<std::string>{"circuit.kvt"}));
}

// Every failure names the file and the reason: the desktop's texts where it has them, the
// program's own sentence for the rest.
TEST(FileFailures, NameTheFileAndTheReason)
{
    struct FailureCase {
        int error;
        FileAction action;
        const char* message;
    };
    const FailureCase cases[] = {
        {ENOSPC, FileAction::save, "Kirvolt could not save ladder.kvt: the disk is full."},
        {EDQUOT, FileAction::save, "Kirvolt could not save ladder.kvt: the disk quota is used up."},
        {EIO, FileAction::open, "Kirvolt could not open ladder.kvt: the disk reported an error."},
        {ENOMEM, FileAction::open, "Kirvolt could not open ladder.kvt: there is not enough memory."},
        {0, FileAction::save, "Kirvolt could not save ladder.kvt: the disk reported an error."},
        {ENOENT, FileAction::open, "ladder.kvt was not found."},
        {EROFS, FileAction::save, "Access to ladder.kvt was denied."},
    };
    for (const FailureCase& c : cases) {
        EXPECT_EQ(fileErrorResult("ladder.kvt", c.error, c.action).message, c.message) << c.error;
    }
}

}  // namespace
}  // namespace kirvolt
