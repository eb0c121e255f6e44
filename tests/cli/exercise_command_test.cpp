#include <gtest/gtest.h>

#include <cstdio>

#include "cli/tool_run.h"
#include "document/circuit_file.h"
#include "exercises/exercise_generator.h"
#include "export/worksheet.h"

namespace kirvolt {
namespace {

using testing::fileBytes;

std::string exerciseFile(std::uint64_t seed, const ExerciseCounts& counts)
{
    CKirvoltDoc doc;
    EXPECT_FALSE(drawExercise(seed, counts, doc));
    const std::vector<std::uint8_t> bytes = circuitBytes(doc);
    return std::string(bytes.begin(), bytes.end());
}

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

class ExerciseCommand : public testing::ToolTest {};

TEST_F(ExerciseCommand, WritesTheExerciseOfItsSeedAndCounts)
{
    struct Case {
        std::vector<std::string> options;
        std::uint64_t seed;
        ExerciseCounts counts;
    };
    const Case cases[] = {
        {{"--seed", "2024"}, 2024, {}},
        {{"--nodes", "5", "--seed", "18446744073709551615", "--current-sources", "0"}, 18446744073709551615u, {5, 1, 0}},
        {{"--voltage-sources", "2", "--seed", "0", "--nodes", "2", "--current-sources", "3"}, 0, {2, 2, 3}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = {"exercise", path("exercise.kvt")};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const testing::ToolRun run = tool(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out + run.err, "");
        EXPECT_EQ(fileBytes(path("exercise.kvt")), exerciseFile(c.seed, c.counts)) << c.seed;
    }
}

// --method mesh writes the exercise for meshes of its seed, --method nodal the usual one, and
// counts that leave no room for two meshes are explained.
TEST_F(ExerciseCommand, MethodMeshWritesAnExerciseForMeshes)
{
    const testing::ToolRun mesh = tool({"exercise", "--seed", "3", "--method", "mesh", path("mesh.kvt")});
    ASSERT_EQ(mesh.status, 0) << mesh.err;
    CKirvoltDoc doc;
    ASSERT_FALSE(drawExercise(3, {}, doc, ExerciseMethod::meshes));
    const std::vector<std::uint8_t> bytes = circuitBytes(doc);
    EXPECT_EQ(fileBytes(path("mesh.kvt")), std::string(bytes.begin(), bytes.end()));
    ASSERT_EQ(tool({"exercise", "--method", "nodal", "--seed", "3", path("nodal.kvt")}).status, 0);
    EXPECT_EQ(fileBytes(path("nodal.kvt")), exerciseFile(3, {}));
    const testing::ToolRun small = tool({"exercise", "--seed", "3", "--nodes", "1", "--method", "mesh", path("small.kvt")});
    EXPECT_EQ(small.status, 2);
    EXPECT_EQ(small.err, "No exercise of this size with two meshes or more, drawn without a crossing, comes from this seed; "
                         "try another seed or more nodes.\n");
    EXPECT_FALSE(std::filesystem::exists(path("small.kvt")));
}

TEST_F(ExerciseCommand, WrongCommandLinesAndCountsAreRefused)
{
    const std::string usage =
        "Usage: kirvolt-cli exercise --seed S [--nodes N] [--voltage-sources K] [--current-sources K] [--method M] OUT.kvt\n"
        "Try 'kirvolt-cli --help' for more information.\n";
    const std::string worksheetUsage =
        "Usage: kirvolt-cli worksheet --seed S --count N [--nodes N] [--voltage-sources K] [--current-sources K] "
        "OUT.pdf|OUT.html\nTry 'kirvolt-cli --help' for more information.\n";
    struct Case {
        std::vector<std::string> arguments;
        std::string err;
    };
    const Case cases[] = {
        {{"exercise", "out.kvt"}, usage},
        {{"exercise", "--seed", "1"}, usage},
        {{"exercise", "--seed", "-1", "out.kvt"}, usage},
        {{"exercise", "--seed", "12x", "out.kvt"}, usage},
        {{"exercise", "--seed", "1", "--seed", "2", "out.kvt"}, usage},
        {{"exercise", "--seed", "1", "out.kvt", "other.kvt"}, usage},
        {{"exercise", "--seed", "1", "--count", "2", "out.kvt"}, usage},
        {{"exercise", "--seed", "1", "--nodes", "out.kvt"}, usage},
        {{"exercise", "--seed", "1", "--nodes", "9", "out.kvt"}, "An exercise has from 1 to 8 nodes besides the datum.\n"},
        {{"exercise", "--seed", "1", "--method", "tableau", "out.kvt"},
         "kirvolt-cli: unknown method 'tableau'; the methods are: nodal, mesh, loop\n" + usage},
        {{"exercise", "--seed", "1", "out.kvt", "--method"}, usage},
        {{"worksheet", "--seed", "1", "out.pdf"}, worksheetUsage},
        {{"worksheet", "--seed", "1", "--count", "2", "out.kvt"}, worksheetUsage},
        {{"worksheet", "--seed", "1", "--count", "0", "out.pdf"}, "A worksheet has from 1 to 50 exercises.\n"},
        {{"worksheet", "--seed", "1", "--count", "51", "out.html"}, "A worksheet has from 1 to 50 exercises.\n"},
        {{"worksheet", "--seed", "1", "--count", "2", "--nodes", "0", "out.html"},
         "An exercise has from 1 to 8 nodes besides the datum.\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        for (std::string& argument : arguments) {
            argument = argument.starts_with("out.") || argument == "other.kvt" ? path(argument) : argument;
        }
        const testing::ToolRun run = tool(arguments);
        EXPECT_EQ(run.status, 2) << c.arguments[3];
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(std::filesystem::exists(path("out.kvt")) || std::filesystem::exists(path("out.pdf")) ||
                     std::filesystem::exists(path("out.html")));
    }
}

TEST_F(ExerciseCommand, AFileThatCannotBeWrittenIsNamed)
{
    const testing::ToolRun run = tool({"exercise", "--seed", "3", path("missing/out.kvt")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("missing/out.kvt"), std::string::npos) << run.err;
}

// Exercise k of a worksheet is the exercise of seed S + k - 1, and its answer is the report
// of that exercise's file.
TEST_F(ExerciseCommand, WorksheetHtmlHoldsTheExercisesThenTheirWorkedSolutions)
{
    const testing::ToolRun run = tool({"worksheet", "--seed", "40", "--count", "3", "--nodes", "2", path("sheet.html")});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string sheet = fileBytes(path("sheet.html"));
    EXPECT_EQ(occurrences(sheet, "<svg"), 6u);
    EXPECT_EQ(occurrences(sheet, EXERCISE_TASK), 3u);
    EXPECT_EQ(occurrences(sheet, "page-break-before: always"), 5u);
    std::size_t at = 0;
    for (int k = 1; k <= 3; ++k) {
        const std::string heading = k == 1 ? "<h1>Exercise 1</h1>" : "<h1 style=\"page-break-before: always\">Exercise " + std::to_string(k) + "</h1>";
        at = sheet.find(heading + "\n<p>Seed " + std::to_string(39 + k) +
                            ": 2 nodes besides the datum, 1 voltage source, 1 current source.</p>", at);
        ASSERT_NE(at, std::string::npos) << k;
    }
    for (int k = 1; k <= 3; ++k) {
        const std::string file = path("exercise" + std::to_string(k) + ".kvt");
        ASSERT_EQ(tool({"exercise", "--seed", std::to_string(39 + k), "--nodes", "2", file}).status, 0);
        ASSERT_EQ(tool({"report", file, path("report.html")}).status, 0);
        const std::string report = fileBytes(path("report.html"));
        const std::size_t start = report.find("<h2>The circuit</h2>");
        const std::string sections = report.substr(start, report.find("</body>") - start);
        at = sheet.find("<h1 style=\"page-break-before: always\">Answer: Exercise " + std::to_string(k) + "</h1>\n" + sections, at);
        ASSERT_NE(at, std::string::npos) << k;
    }
}

#ifdef KIRVOLT_WRITES_RASTER
std::string pageText(const std::string& pdf, int page)
{
    const std::string command = "pdftotext -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" + pdf + "' -";
    std::string text;
    FILE* output = ::popen(command.c_str(), "r");
    if (output == nullptr) {
        return text;
    }
    char buffer[4096];
    while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, output)) {
        text.append(buffer, read);
    }
    ::pclose(output);
    return text;
}

TEST_F(ExerciseCommand, WorksheetPdfHasAPagePerExerciseThenTheAnswerKey)
{
    const testing::ToolRun run = tool({"worksheet", "--seed", "7", "--count", "3", path("sheet.pdf")});
    ASSERT_EQ(run.status, 0) << run.err;
    const int pages = testing::pdfPages(fileBytes(path("sheet.pdf")));
    ASSERT_GT(pages, 6);
    for (int page = 1; page <= 3; ++page) {
        const std::string text = pageText(path("sheet.pdf"), page);
        EXPECT_TRUE(text.starts_with("Exercise " + std::to_string(page) + "\n")) << text;
        EXPECT_NE(text.find("Seed " + std::to_string(6 + page) + ":"), std::string::npos) << text;
        EXPECT_NE(text.find("Find the voltage of every node"), std::string::npos) << text;
        EXPECT_EQ(text.find("Answer"), std::string::npos) << text;
    }
    int answers = 0;
    for (int page = 4; page <= pages; ++page) {
        const std::string text = pageText(path("sheet.pdf"), page);
        if (text.starts_with("Answer: Exercise ")) {
            EXPECT_TRUE(text.starts_with("Answer: Exercise " + std::to_string(++answers) + "\n")) << text;
        }
        EXPECT_TRUE(page > 4 || answers == 1) << "the answer key starts on the page after the exercises";
    }
    EXPECT_EQ(answers, 3);
}
#else
TEST_F(ExerciseCommand, WorksheetPdfNeedsQt)
{
    const testing::ToolRun run = tool({"worksheet", "--seed", "7", "--count", "3", path("sheet.pdf")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "PNG and PDF files cannot be written: this program was built without Qt.\n");
    EXPECT_FALSE(std::filesystem::exists(path("sheet.pdf")));
}
#endif

}  // namespace
}  // namespace kirvolt
