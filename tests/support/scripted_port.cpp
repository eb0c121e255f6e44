#include "support/scripted_port.h"

namespace kirvolt::testing {

void ScriptedPort::showMessage(const std::string& text, const Highlight& highlight)
{
    events.push_back({Event::Message, text, {}, highlight});
    if (onMessage) {
        onMessage(text);
    }
}

void ScriptedPort::updateAllViews()
{
    events.push_back({Event::Redraw, {}, {}, {}});
}

void ScriptedPort::showNodeEquationsDialog(const NodeEquationTexts& texts, const Highlight& highlight)
{
    events.push_back({Event::Dialog, {}, texts, highlight});
    if (onDialog) {
        onDialog(texts);
    }
}

std::vector<std::string> ScriptedPort::messages() const
{
    std::vector<std::string> texts;
    for (const Event& event : events) {
        if (event.kind == Event::Message) {
            texts.push_back(event.message);
        }
    }
    return texts;
}

std::vector<NodeEquationTexts> ScriptedPort::dialogs() const
{
    std::vector<NodeEquationTexts> texts;
    for (const Event& event : events) {
        if (event.kind == Event::Dialog) {
            texts.push_back(event.dialog);
        }
    }
    return texts;
}

int ScriptedPort::redrawCount() const
{
    int count = 0;
    for (const Event& event : events) {
        count += event.kind == Event::Redraw ? 1 : 0;
    }
    return count;
}

}  // namespace kirvolt::testing
