#pragma once

// Progress of long operations: one process-wide progress state driven by
// five operations. An operation shows either in the host's document progress
// monitor or in the plug-in's progress dialog (CProgressDlg), which also lets
// the user cancel it.
//
// Commands of the menu use the host's monitor and do not poll:
//
//   BeginProgress(nullptr, true, true, 0, pages - 1, "Checking...");
//   for (...) SetProgress(page, nullptr);
//   EndProgress("Done");
//
// Operations started from a dialog show the progress dialog over it, let the
// user's clicks through between units of work and stop when asked to:
//
//   BeginProgress(dialogWindow, true, false, 0, count - 1, "Printing...");
//   for (...) {
//       PumpMessages();
//       if (ProgressCancelled()) { alertNote("Print aborted by user."); break; }
//       ...
//       AdvanceProgress(1, text);
//   }
//   EndProgress("Done");

#include <cstdint>
#include <memory>
#include <string>

namespace lumar {

class CProgressDlg;

// Texts are Windows-1252; a null text leaves the shown text as it is (begin
// shows an empty one).
void BeginProgress(void* parentWindow, bool disableParent, bool useHostMonitor,
                   std::int32_t minimum, std::int32_t maximum, const char* text);
void SetProgress(std::int32_t position, const char* text);
void AdvanceProgress(std::int32_t step, const char* text);
void EndProgress(const char* text);
bool ProgressCancelled();

// Lets waiting user input through (the Cancel button) without returning to
// the caller's caller: what the host's user interface installed, or nothing.
void PumpMessages();

// The progress dialog's window, as the host's user interface makes it.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    virtual void SetRange(std::int32_t minimum, std::int32_t maximum) = 0;
    virtual void SetPosition(std::int32_t position) = 0;
    [[nodiscard]] virtual std::int32_t Position() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void Show() = 0;
};

class ProgressWindows {
public:
    virtual ~ProgressWindows() = default;
    // A modeless window for `dialog` over `parent`, centred on it; null when
    // it cannot be made. Destroying the window closes it.
    virtual std::unique_ptr<ProgressWindow> Create(CProgressDlg& dialog, void* parent) = 0;
    virtual void EnableWindow(void* window, bool enable) = 0;
    virtual void PumpMessages() = 0;
};

// Installs the user interface's progress windows (not owned) and returns the
// one replaced. Without one no dialog can be shown.
ProgressWindows* SetProgressWindows(ProgressWindows* windows);

// For tests: whether the state is active, and whether the dialog is open.
bool ProgressActive();
bool ProgressDialogOpen();

}  // namespace lumar
