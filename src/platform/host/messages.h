#pragma once

// What the host is asked to show or ask: questions with buttons and the
// folder and file choosers.

#include <string>
#include <vector>

#include "platform/host/host_types.h"

namespace lumar::host {

enum class AlertIcon : int { Error = 0, Warning = 1, Question = 2, Status = 3 };

// "alert with buttons": up to three buttons, answered with 1 to 3 (the
// button's number). Without button texts the host shows "OK" alone.
struct Question {
    AlertIcon icon = AlertIcon::Question;
    std::string message;
    std::vector<std::string> buttons;
    bool beep = false;
};

// Folder chooser: where it starts, its window title and its prompt.
struct FolderChoice {
    std::string initialFolder;
    std::string title;
    std::string prompt;
    HostWindow owner = 0;
};

// Open-file and save-file choosers. The filter is in label|pattern| pairs
// ended by "||"; the default name doubles as the default extension.
struct FileChoice {
    std::string initialPath;
    std::string defaultName;
    std::string filter;
    HostWindow owner = 0;
};

}  // namespace lumar::host
