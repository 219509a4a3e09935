#include "ui/progress.h"

#include <algorithm>

#include "platform/host/progress_monitor.h"
#include "platform/host/roles.h"
#include "shell/plugin_state.h"
#include "ui/progress_dlg.h"

namespace lumar {

namespace {

struct ProgressState {
    // Inactive: minimum 0, maximum -1.
    std::int32_t minimum = 0;
    std::int32_t maximum = -1;
    bool dialogOpen = false;
    bool parentDisabled = false;
    CProgressDlg dialog;
    std::unique_ptr<ProgressWindow> window;
    void* parent = nullptr;
    const host::ProgressMonitor* monitor = nullptr;
    void* monitorData = nullptr;

    [[nodiscard]] bool active() const { return maximum >= minimum; }
    void deactivate() {
        minimum = 0;
        maximum = -1;
    }
};

ProgressState& state() {
    static ProgressState progress;
    return progress;
}

ProgressWindows* installedWindows = nullptr;

// A host exception frame: the host's error text in an alert note.
template <typename Body>
void inHostFrame(Body body) {
    try {
        body();
    } catch (const host::HostError& error) {
        host::alertNote(host::hostErrorText(error));
    }
}

void setMonitorText(ProgressState& progress, const char* text) {
    if (text == nullptr || progress.monitor->setText == nullptr) {
        return;
    }
    host::TextObject* object = host::textObjectFromString(text);
    progress.monitor->setText(object, progress.monitorData);
    host::destroyTextObject(object);
}

void setProgressIn(ProgressState& progress, std::int32_t position, const char* text) {
    if (!progress.active()) {
        return;
    }
    position = std::clamp(position, progress.minimum, progress.maximum);
    if (progress.dialogOpen) {
        progress.window->SetPosition(position);
        if (text != nullptr) {
            progress.window->SetText(text);
        }
    } else if (progress.monitor != nullptr) {
        progress.monitor->setCurrentValue(position, progress.monitorData);
        setMonitorText(progress, text);
    }
}

}  // namespace

ProgressWindows* SetProgressWindows(ProgressWindows* windows) {
    ProgressWindows* previous = installedWindows;
    installedWindows = windows;
    return previous;
}

void BeginProgress(void* parentWindow, bool disableParent, bool useHostMonitor,
                   std::int32_t minimum, std::int32_t maximum, const char* text) {
    inHostFrame([&] {
        ProgressState& progress = state();
        progress.deactivate();
        if (minimum > maximum) {
            return;
        }
        progress.minimum = minimum;
        progress.maximum = maximum;

        if (!progress.dialogOpen) {
            progress.monitor = nullptr;
            progress.monitorData = nullptr;
            if (useHostMonitor) {
                progress.monitor = host::documentProgressMonitor(&progress.monitorData);
            }
        }
        if (!progress.dialogOpen && progress.monitor == nullptr) {
            progress.parent = parentWindow != nullptr ? parentWindow : ThePlugin().hostMainWindow;
            progress.dialog.OnInitDialog();
            progress.window = installedWindows != nullptr
                                  ? installedWindows->Create(progress.dialog, progress.parent)
                                  : nullptr;
            progress.dialogOpen = progress.window != nullptr;
        }

        if (progress.dialogOpen) {
            progress.window->SetRange(minimum, maximum);
            progress.window->SetPosition(minimum);
            progress.window->SetText(text != nullptr ? text : "");
            progress.window->Show();
            if (disableParent && !progress.parentDisabled) {
                installedWindows->EnableWindow(progress.parent, false);
                progress.parentDisabled = true;
            }
        } else if (progress.monitor != nullptr) {
            progress.monitor->setCurrentValue(minimum, progress.monitorData);
            progress.monitor->setDuration(maximum, progress.monitorData);
            progress.monitor->beginOperation(progress.monitorData);
            setMonitorText(progress, text);
        }
    });
}

void SetProgress(std::int32_t position, const char* text) {
    inHostFrame([&] { setProgressIn(state(), position, text); });
}

void AdvanceProgress(std::int32_t step, const char* text) {
    inHostFrame([&] {
        ProgressState& progress = state();
        if (!progress.active()) {
            return;
        }
        std::int32_t current = 0;
        if (progress.dialogOpen) {
            current = progress.window->Position();
        } else if (progress.monitor != nullptr) {
            current = progress.monitor->currentValue(progress.monitorData);
        } else {
            return;  // nothing shows the progress
        }
        // Saturate rather than wrap past the 32-bit range.
        const std::int64_t next = static_cast<std::int64_t>(current) + step;
        setProgressIn(progress,
                      static_cast<std::int32_t>(
                          std::clamp<std::int64_t>(next, progress.minimum, progress.maximum)),
                      text);
    });
}

void EndProgress(const char* text) {
    inHostFrame([&] {
        ProgressState& progress = state();
        if (progress.dialogOpen) {
            // Also when a begin with an empty range left the state inactive:
            // the dialog goes and its parent is usable again.
            setProgressIn(progress, progress.maximum, text);
            progress.window.reset();
            progress.dialogOpen = false;
            if (progress.parentDisabled) {
                installedWindows->EnableWindow(progress.parent, true);
                progress.parentDisabled = false;
            }
        } else if (progress.active() && progress.monitor != nullptr) {
            setProgressIn(progress, progress.maximum, text);
            progress.monitor->endOperation(progress.monitorData);
        }
        progress.deactivate();
    });
}

bool ProgressCancelled() {
    const ProgressState& progress = state();
    return progress.active() && progress.dialogOpen && progress.dialog.CancelRequested();
}

void PumpMessages() {
    if (installedWindows != nullptr) {
        installedWindows->PumpMessages();
    }
}

bool ProgressActive() {
    return state().active();
}

bool ProgressDialogOpen() {
    return state().dialogOpen;
}

}  // namespace lumar
