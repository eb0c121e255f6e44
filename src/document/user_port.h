#pragma once

#include <array>
#include <functional>
#include <string>

#include "document/highlight.h"

namespace kirvolt {

// The seven texts of the node-equation dialog. A mesh's equation is shown in the same dialog,
// under the mesh's number and without a datum node, and a loop's under the name of its chord.
struct NodeEquationTexts {
    enum class Of { node, mesh, loop };
    Of of = Of::node;
    std::string nodeName;
    std::string datumNodeName;
    std::array<std::string, 5> lines;  // equation lines 1 to 5
};

// What checking an equation the user typed found: the equation is right, wrong (the message
// names each fault) or could not be read (the message says where reading stopped).
struct EquationVerdict {
    enum class Kind { Right, Wrong, Unreadable };
    Kind kind = Kind::Unreadable;
    std::string message;
};

// The equation-check dialog: its title, what it tells the user first, and the check its Check
// button runs on the text typed.
struct EquationCheckDialog {
    std::string title;
    std::string instructions;
    std::function<EquationVerdict(const std::string&)> check;
};

// How the core reaches the user: the desktop application shows message boxes and dialogs
// and repaints its views; the command-line tool writes to standard error; tests record.
class UserPort {
public:
    virtual ~UserPort() = default;

    // A modal message with an OK button (exclamation icon, caption "Kirvolt"); the highlight
    // is painted over the drawing while the message is up.
    virtual void showMessage(const std::string& text, const Highlight& highlight) = 0;
    // A message that marks nothing.
    void showMessage(const std::string& text) { showMessage(text, Highlight{}); }

    // Repaints every view of the document.
    virtual void updateAllViews() = 0;

    // Runs the node-equation dialog modally until the user closes it, the highlight painted
    // over the drawing meanwhile.
    virtual void showNodeEquationsDialog(const NodeEquationTexts& texts, const Highlight& highlight) = 0;

    // Runs the equation-check dialog modally until the user closes it, the highlight painted
    // over the drawing meanwhile.
    virtual void showEquationCheckDialog(const EquationCheckDialog& dialog, const Highlight& highlight) = 0;
};

// A port that shows nothing; the document uses it until a real one is attached.
class SilentPort final : public UserPort {
public:
    using UserPort::showMessage;
    void showMessage(const std::string&, const Highlight&) override {}
    void updateAllViews() override {}
    void showNodeEquationsDialog(const NodeEquationTexts&, const Highlight&) override {}
    void showEquationCheckDialog(const EquationCheckDialog&, const Highlight&) override {}
};

}  // namespace kirvolt
