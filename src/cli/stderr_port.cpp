#include "cli/stderr_port.h"

namespace kirvolt::cli {

void StderrPort::showMessage(const std::string& text)
{
    stream << text << '\n';
}

void StderrPort::updateAllViews() {}

// Commands print equations themselves where they are asked for.
void StderrPort::showNodeEquationsDialog(const NodeEquationTexts&) {}

}  // namespace kirvolt::cli
