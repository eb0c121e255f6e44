#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document/user_port.h"

namespace kirvolt::testing {

// A UserPort that records what the core asked of the user. A test can look at the document
// while a message is up through onMessage.
class RecordingPort final : public UserPort {
public:
    using UserPort::showMessage;
    void showMessage(const std::string& text, const Highlight& highlight) override
    {
        messages.push_back(text);
        highlights.push_back(highlight);
        if (onMessage) {
            onMessage(text);
        }
    }

    void updateAllViews() override { ++redraws; }

    void showNodeEquationsDialog(const NodeEquationTexts& texts, const Highlight&) override { dialogs.push_back(texts); }
    void showEquationCheckDialog(const EquationCheckDialog& dialog, const Highlight& highlight) override
    {
        checks.push_back(dialog);
        checkHighlights.push_back(highlight);
        if (onCheck) {
            onCheck(dialog);
        }
    }

    std::vector<std::string> messages;
    std::vector<Highlight> highlights;  // what each message marked
    std::vector<NodeEquationTexts> dialogs;
    std::vector<EquationCheckDialog> checks;  // valid only while the dialog is up: use onCheck
    std::vector<Highlight> checkHighlights;
    std::function<void(const EquationCheckDialog&)> onCheck;
    int redraws = 0;
    std::function<void(const std::string&)> onMessage;
};

}  // namespace kirvolt::testing
