#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document/user_port.h"

namespace kirvolt::testing {

// A UserPort that records what the core asked of the user, in order, with what was marked on
// the drawing meanwhile, and runs a callback while each message or dialog is "up" so that a
// test can look at the document then.
class ScriptedPort : public UserPort {
public:
    struct Event {
        enum Kind { Message, Dialog, Redraw } kind;
        std::string message;      // the text of a message
        NodeEquationTexts dialog; // what a dialog received
        Highlight highlight;      // what was marked while it was up
    };

    using UserPort::showMessage;
    void showMessage(const std::string& text, const Highlight& highlight) override;
    void updateAllViews() override;
    void showNodeEquationsDialog(const NodeEquationTexts& texts, const Highlight& highlight) override;
    void showEquationCheckDialog(const EquationCheckDialog& dialog, const Highlight&) override
    {
        if (onCheck) {
            onCheck(dialog);
        }
    }

    std::vector<std::string> messages() const;
    std::vector<NodeEquationTexts> dialogs() const;
    int redrawCount() const;

    std::vector<Event> events;
    std::function<void(const std::string&)> onMessage;
    std::function<void(const NodeEquationTexts&)> onDialog;
    std::function<void(const EquationCheckDialog&)> onCheck;
};

}  // namespace kirvolt::testing
