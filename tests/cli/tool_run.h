#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kirvolt::testing {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Page objects, not the page tree ("/Type /Pages").
inline int pdfPages(const std::string& bytes)
{
    int pages = 0;
    for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1)) {
        pages += bytes.compare(at, 12, "/Type /Pages") != 0 ? 1 : 0;
    }
    return pages;
}

// Runs kirvolt-cli in a directory of its own as a teacher's script would, without a display
// and without a Qt platform named, so that the tool has to find its own way to paint.
class ToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("kirvolt_tool_" + std::string(test->name()) + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    // Arguments are quoted for the shell; none of them contains a single quote.
    ToolRun tool(const std::vector<std::string>& arguments) const
    {
        std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR '") + KIRVOLT_CLI_PATH + "'";
        for (const auto& argument : arguments) {
            command += " '" + argument + "'";
        }
        command += " >'" + path("stdout") + "' 2>'" + path("stderr") + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, fileBytes(dir / "stdout"), fileBytes(dir / "stderr")};
    }

    std::filesystem::path dir;
};

}  // namespace kirvolt::testing
