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
    void showMessage(const std::string& text) override
    {
        messages.push_back(text);
        if (onMessage) {
            onMessage(text);
        }
    }

    void updateAllViews() override { ++redraws; }

    void showNodeEquationsDialog(const NodeEquationTexts& texts) override { dialogs.push_back(texts); }

    std::vector<std::string> messages;
    std::vector<NodeEquationTexts> dialogs;
    int redraws = 0;
    std::function<void(const std::string&)> onMessage;
};

}  // namespace kirvolt::testing
