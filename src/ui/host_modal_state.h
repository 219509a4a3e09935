#pragma once

// The host's modal state for the time one of the plug-in's dialogs is open:
// a host window made from the dialog's platform window, and the host told
// that it is modal. Ending is harmless when nothing was begun.

#include "platform/host/host_types.h"

namespace lumar {

class HostModalState {
public:
    HostModalState() = default;
    ~HostModalState() { End(); }
    HostModalState(const HostModalState&) = delete;
    HostModalState& operator=(const HostModalState&) = delete;

    // Host errors are kept from the dialog: it is modal to its user either way.
    void Begin(void* platformWindow);
    void End();
    [[nodiscard]] bool Active() const { return active_; }

private:
    bool active_ = false;
    host::HostWindow window_ = 0;
};

}  // namespace lumar
