#include "support/ngspice.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <unistd.h>

namespace kirvolt::testing {

std::map<std::string, double> runNgspice(const std::string& netlist)
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("kirvolt_ngspice_" + std::to_string(::getpid()) + ".cir");
    std::ofstream(path) << netlist;
    std::map<std::string, double> printed;
    const std::string command = "ngspice -b '" + path.string() + "' 2>/dev/null";
    FILE* output = ::popen(command.c_str(), "r");
    if (output == nullptr) {
        return printed;
    }
    static const std::regex assignment(R"(^\s*(\S+)\s*=\s*([-+0-9.eE]+)\s*$)");
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, output) != nullptr) {
        const std::string line = buffer;
        std::smatch match;
        if (std::regex_match(line, match, assignment)) {
            printed[match[1]] = std::stod(match[2]);
        }
    }
    ::pclose(output);
    std::filesystem::remove(path);
    return printed;
}

}  // namespace kirvolt::testing
