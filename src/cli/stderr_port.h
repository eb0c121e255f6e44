#pragma once

#include <iostream>

#include "document/user_port.h"

namespace kirvolt::cli {

// Messages of the core go to standard error, one per line; there are no views to repaint
// and no dialog to show.
class StderrPort final : public UserPort {
public:
    explicit StderrPort(std::ostream& stream = std::cerr) : stream(stream) {}

    using UserPort::showMessage;
    void showMessage(const std::string& text, const Highlight& highlight) override;
    void updateAllViews() override;
    void showNodeEquationsDialog(const NodeEquationTexts& texts, const Highlight& highlight) override;
    void showEquationCheckDialog(const EquationCheckDialog& dialog, const Highlight& highlight) override;

private:
    std::ostream& stream;
};

}  // namespace kirvolt::cli
