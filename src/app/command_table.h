#pragma once

#include <span>

namespace kirvolt {

// Who answers a command: the application and main window, or the document of the active
// circuit window (disabled while no circuit window is open).
enum class CommandRoute { Application, Document };

// The fixed description of one command: menu text, prompt, icon and shortcuts. Texts are
// marked for translation in the "CMainFrame" context.
struct CommandEntry {
    int id;
    const char* text;       // menu text with its mnemonic
    const char* prompt;     // status-bar prompt, "\n", tooltip; nullptr for none
    const char* icon;       // file name under :/icons, or nullptr
    const char* shortcuts;  // portable key sequences separated by "; ", or nullptr
    CommandRoute route;
};

std::span<const CommandEntry> commandTable();

}  // namespace kirvolt
