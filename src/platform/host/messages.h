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

// Folder chooser: where it starts, its window title and its prompt. The
// owner is a platform window (the extension's dialog, or the main window
// handed over at the entry point); none lets the host choose.
struct FolderChoice {
    std::string initialFolder;
    std::string title;
    std::string prompt;
    void* owner = nullptr;
};

// Open-file and save-file choosers. The initial path is a folder (ending in
// '/') or a file's full path; the default name is selected in a folder; the
// default extension ("ann") is added to a typed name without one (when
// empty, the default name's extension is). The filter is in label|pattern|
// pairs ended by "||".
struct FileChoice {
    std::string initialPath;
    std::string defaultName;
    std::string filter;
    void* owner = nullptr;
    std::string defaultExtension;
};

}  // namespace lumar::host
