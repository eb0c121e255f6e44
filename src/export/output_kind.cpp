#include "export/output_kind.h"

#include <algorithm>
#include <filesystem>

namespace kirvolt {

OutputKind outputKindOf(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char ch) { return static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch); });
    if (extension == ".png") {
        return OutputKind::png;
    }
    if (extension == ".svg") {
        return OutputKind::svg;
    }
    if (extension == ".pdf") {
        return OutputKind::pdf;
    }
    if (extension == ".html" || extension == ".htm") {
        return OutputKind::html;
    }
    return OutputKind::unknown;
}

}  // namespace kirvolt
