#include "cli/output_check.h"

#include <algorithm>
#include <filesystem>

#include "export/output_kind.h"
#include "spice/netlist_files.h"

namespace kirvolt::cli {
namespace {

bool endsInKvt(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return extension == ".kvt";
}

}  // namespace

std::optional<FileResult> outputRefusal(const std::string& input, const std::string& output, Written what)
{
    if (namesOneFile(input, output)) {
        return failure(fileFailureText(output, FileAction::save, "it is the file being read"));
    }
    const bool netlist = isNetlistPath(output);
    const bool circuit = endsInKvt(output);
    const bool picture = outputKindOf(output) != OutputKind::unknown;
    if (what == Written::circuit && (netlist || picture)) {
        return failure(fileFailureText(output, FileAction::save, "a circuit goes in a file ending in .kvt"));
    }
    if (what == Written::netlist && (circuit || picture)) {
        return failure(
            fileFailureText(output, FileAction::save, "a netlist goes in a file ending in .cir, .net, .sp or .spice"));
    }
    if (what == Written::picture && (circuit || netlist)) {
        return failure(fileFailureText(output, FileAction::save, "it would overwrite a circuit or a netlist"));
    }
    return std::nullopt;
}

}  // namespace kirvolt::cli
