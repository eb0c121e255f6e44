#include <gtest/gtest.h>

#include "cli/tool_run.h"
#include "document/circuit_file.h"
#include "support/sample_circuits.h"

namespace kirvolt {
namespace {

namespace fs = std::filesystem;
using testing::fileBytes;
using testing::pdfPages;

class ExportCommand : public testing::ToolTest {
protected:
    std::string saveDivider()
    {
        CKirvoltDoc doc;
        testing::buildVoltageDivider(doc);
        EXPECT_TRUE(saveCircuit(doc, path("divider.kvt")).ok);
        return path("divider.kvt");
    }
};

TEST_F(ExportCommand, SvgIsWrittenInEveryBuild)
{
    const testing::ToolRun run = tool({"export", saveDivider(), path("divider.svg"), "--no-grid"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string svg = fileBytes(path("divider.svg"));
    EXPECT_EQ(svg.substr(0, 38), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    EXPECT_NE(svg.find(">R1</text>"), std::string::npos);
    EXPECT_EQ(svg.find("width=\"1\" height=\"1\""), std::string::npos) << "a grid dot";
}

#ifdef KIRVOLT_WRITES_RASTER
struct PngSize {
    unsigned width;
    unsigned height;
};

// Width and height from the IHDR chunk, which every PNG has first.
PngSize pngSize(const std::string& bytes)
{
    const auto at = [&bytes](std::size_t i) {
        return static_cast<unsigned>(static_cast<unsigned char>(bytes[i])) << 24 |
               static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 1])) << 16 |
               static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 2])) << 8 |
               static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 3]));
    };
    EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    return {at(16), at(20)};
}

TEST_F(ExportCommand, PngScaleTwoHasTwiceTheSizeOfScaleOne)
{
    const std::string input = saveDivider();
    const testing::ToolRun first = tool({"export", input, path("one.png")});
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(first.err, "") << "nothing of Qt's start-up on standard error";
    ASSERT_EQ(tool({"export", input, path("two.PNG"), "--scale", "2"}).status, 0);
    const PngSize one = pngSize(fileBytes(path("one.png")));
    const PngSize two = pngSize(fileBytes(path("two.PNG")));
    EXPECT_GT(one.width, 100u);
    EXPECT_EQ(two.width, 2 * one.width);
    EXPECT_EQ(two.height, 2 * one.height);
}

TEST_F(ExportCommand, PdfPictureAndReportArePdfFiles)
{
    const std::string input = saveDivider();
    ASSERT_EQ(tool({"export", input, path("divider.pdf"), "--analyse"}).status, 0);
    const std::string picture = fileBytes(path("divider.pdf"));
    EXPECT_EQ(picture.substr(0, 5), "%PDF-");
    EXPECT_EQ(pdfPages(picture), 1);
    ASSERT_EQ(tool({"report", input, path("report.pdf")}).status, 0);
    const std::string report = fileBytes(path("report.pdf"));
    EXPECT_EQ(report.substr(0, 5), "%PDF-");
    EXPECT_GE(pdfPages(report), 1);
}
#else
TEST_F(ExportCommand, WithoutQtPngAndPdfAreRefused)
{
    const std::string input = saveDivider();
    for (const char* out : {"divider.png", "divider.pdf"}) {
        const testing::ToolRun run = tool({"export", input, path(out)});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "PNG and PDF files cannot be written: this program was built without Qt.\n");
        EXPECT_FALSE(fs::exists(path(out)));
    }
}
#endif

struct StatusCase {
    std::vector<std::string> arguments;  // "IN" is the divider, "EMPTY" an empty circuit, "@x" a path in the test's directory
    int status;
    std::string message;  // the first line on standard error
};

const std::string REPORT_USAGE = "Usage: kirvolt-cli report FILE OUT.html|OUT.pdf [--datum N] [--method M] [--thevenin A B] "
                                 "[--thevenin-load NAME] [--superposition] [--formulas]";

const StatusCase statusCases[] = {
    {{"export"}, 2, "Usage: kirvolt-cli export FILE OUT.png|OUT.svg|OUT.pdf [--scale K] [--no-grid] [--analyse]"},
    {{"export", "IN"}, 2, "Usage: kirvolt-cli export FILE OUT.png|OUT.svg|OUT.pdf [--scale K] [--no-grid] [--analyse]"},
    {{"export", "IN", "@out.bmp"}, 2, "Usage: kirvolt-cli export FILE OUT.png|OUT.svg|OUT.pdf [--scale K] [--no-grid] [--analyse]"},
    {{"export", "IN", "@out.svg", "--scale", "5"}, 2, "Usage: kirvolt-cli export FILE OUT.png|OUT.svg|OUT.pdf [--scale K] [--no-grid] [--analyse]"},
    {{"export", "IN", "@out.svg", "--scale", "0"}, 2, "Usage: kirvolt-cli export FILE OUT.png|OUT.svg|OUT.pdf [--scale K] [--no-grid] [--analyse]"},
    {{"export", "IN", "@out.svg", "--no-grid", "--no-grid"}, 2, "Usage: kirvolt-cli export FILE OUT.png|OUT.svg|OUT.pdf [--scale K] [--no-grid] [--analyse]"},
    {{"export", "@missing.kvt", "@out.svg"}, 2, "@missing.kvt was not found."},
    {{"export", "IN", "@no/such/dir/out.svg"}, 2, "@no/such/dir/out.svg was not found."},
    {{"export", "EMPTY", "@out.svg"}, 1, "Create your circuit first."},
    {{"export", "EMPTY", "@out.svg", "--analyse"}, 1, "Create your circuit first."},
    {{"report", "IN"}, 2, REPORT_USAGE},
    {{"report", "IN", "@out.svg"}, 2, REPORT_USAGE},
    {{"report", "IN", "@out.html", "--datum"}, 2, REPORT_USAGE},
    {{"report", "IN", "@out.html", "--json"}, 2, REPORT_USAGE},
    {{"report", "@missing.kvt", "@out.html"}, 2, "@missing.kvt was not found."},
    {{"report", "EMPTY", "@out.html"}, 1, "Create your circuit first."},
    {{"report", "IN", "@no/such/dir/out.html"}, 2, "@no/such/dir/out.html was not found."},
};

TEST_F(ExportCommand, ExitStatusAndMessageForEveryFailure)
{
    const std::string input = saveDivider();
    CKirvoltDoc empty;
    ASSERT_TRUE(saveCircuit(empty, path("empty.kvt")).ok);
    const auto resolve = [&](std::string text) {
        if (text == "IN") {
            return input;
        }
        if (text == "EMPTY") {
            return path("empty.kvt");
        }
        for (std::size_t at = text.find('@'); at != std::string::npos; at = text.find('@')) {
            text.replace(at, 1, dir.string() + "/");
        }
        return text;
    };
    for (const StatusCase& c : statusCases) {
        std::vector<std::string> arguments;
        for (const std::string& argument : c.arguments) {
            arguments.push_back(resolve(argument));
        }
        const testing::ToolRun run = tool(arguments);
        EXPECT_EQ(run.status, c.status) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), resolve(c.message)) << ::testing::PrintToString(c.arguments);
        EXPECT_FALSE(fs::exists(path("out.svg")) || fs::exists(path("out.html")));
    }
}

// A failed export leaves the file it would have replaced as it was, and no temporary beside it.
TEST_F(ExportCommand, AFailureLeavesTheOldFileWhole)
{
    CKirvoltDoc empty;
    ASSERT_TRUE(saveCircuit(empty, path("empty.kvt")).ok);
    {
        std::ofstream(path("old.svg")) << "old picture";
    }
    EXPECT_EQ(tool({"export", path("empty.kvt"), path("old.svg")}).status, 1);
    EXPECT_EQ(fileBytes(path("old.svg")), "old picture");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) {
        ++files;
    }
    EXPECT_EQ(files, 4u);  // empty.kvt, old.svg, stdout, stderr
}

}  // namespace
}  // namespace kirvolt
