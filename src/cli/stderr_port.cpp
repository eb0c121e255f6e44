#include "cli/stderr_port.h"

namespace kirvolt::cli {

// Standard error has no drawing to mark.
void StderrPort::showMessage(const std::string& text, const Highlight&)
{
    stream << text << '\n';
}

void StderrPort::updateAllViews() {}

// Commands print equations themselves where they are asked for.
void StderrPort::showNodeEquationsDialog(const NodeEquationTexts&, const Highlight&) {}
void StderrPort::showEquationCheckDialog(const EquationCheckDialog&, const Highlight&) {}

}  // namespace kirvolt::cli
