#pragma once

#include <string>

namespace kirvolt {

// The kind of file an export writes, chosen by the name's ending in any case.
enum class OutputKind { unknown, png, svg, pdf, html };

OutputKind outputKindOf(const std::string& path);

}  // namespace kirvolt
