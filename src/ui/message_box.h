#pragma once

// The message-box seam: every message box the system's dialogs and engines
// show (a title, a text, an icon and a set of buttons) goes through here. The
// plug-in module answers with Qt message boxes, the command line from its
// flags, tests from a script. Nothing in the core opens a window itself.

#include <string>

namespace lumar {

enum class MessageIcon { None, Error, Warning, Question, Information };

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
    std::string title;  // Windows-1252 text
    std::string text;   // Windows-1252 text; lines end with CR LF
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // The button that Enter chooses, by its position (0 = first).
    int defaultButton = 0;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const MessageBoxRequest& request) = 0;
};

// Installs the process's message boxes (not owned) and returns the one it
// replaces. Without one, a message box is written to standard error and
// answered with its default button.
MessageBoxes* SetMessageBoxes(MessageBoxes* boxes);

MessageAnswer ShowMessageBox(const MessageBoxRequest& request);

// A message with an OK button.
void ShowMessageBox(const std::string& title, const std::string& text, MessageIcon icon);

}  // namespace lumar
