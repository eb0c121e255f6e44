#include "support/ngspice.h"

#include <algorithm>
#include <cctype>
#include <cmath>
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

std::map<std::string, double> runNgspiceOperatingPoint(const std::string& netlist)
{
    // With a single vector to print, ngspice names it "all"; a probe at 0 V keeps every name.
    static const std::string control =
        "vkirvolt_probe kirvolt_probe 0 DC 0\n.control\nset numdgt=15\nop\nprint all\n.endc\n";
    std::string text = netlist;
    const std::size_t end = text.rfind(".end\n");
    text.insert(end == std::string::npos ? text.size() : end, control);
    return runNgspice(text);
}

std::optional<double> ngspiceVoltage(const std::map<std::string, double>& printed, const std::string& node)
{
    if (node == "0") {
        return 0.0;
    }
    std::string name = node;
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const std::string& key : {name, "v(" + name + ")"}) {
        if (const auto found = printed.find(key); found != printed.end()) {
            return found->second;
        }
    }
    return std::nullopt;
}

double agreementTolerance(double kirvolt, double spice, double scale)
{
    return 1e-9 * std::max(std::abs(kirvolt), std::abs(spice)) + 1e-12 * scale;
}

}  // namespace kirvolt::testing
