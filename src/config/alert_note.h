#pragma once

// The host's alert note, as the configuration code reaches it: a message box
// with an OK button on the desktop, a line on standard error on the command
// line. The host installs its implementation at start-up; tests install a
// recorder.

#include <string>

namespace lumar {

class AlertNotes {
public:
    virtual ~AlertNotes() = default;
    // `message` is Windows-1252 text.
    virtual void alertNote(const std::string& message) = 0;
};

// Installs the process's alert notes (not owned; null: standard error) and
// returns the ones it replaces.
AlertNotes* SetAlertNotes(AlertNotes* notes);

void ShowAlertNote(const std::string& message);

}  // namespace lumar
