#include "ui/host_modal_state.h"

#include "platform/host/roles.h"

namespace lumar {

namespace {

// The kind of host window made for the plug-in's dialogs.
constexpr int kDialogWindowKind = 3;

}  // namespace

void HostModalState::Begin(void* platformWindow) {
    End();
    if (host::imported()[host::TableId::AcroView].table == nullptr) {
        return;  // no host imported (a view shown outside the plug-in)
    }
    try {
        window_ = host::hostWindowFromPlatformWindow(platformWindow, kDialogWindowKind);
        host::beginModalState(window_);
        active_ = true;
    } catch (const host::HostError&) {
        End();
    }
}

void HostModalState::End() {
    try {
        if (active_) {
            active_ = false;
            host::endModalState();
        }
        if (window_ != 0) {
            const host::HostWindow window = window_;
            window_ = 0;
            host::destroyHostWindow(window);
        }
    } catch (const host::HostError&) {
        // Nothing left to undo.
    }
}

}  // namespace lumar
