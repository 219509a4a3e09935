#pragma once

// The headless host: the shared host with the headless user interface. The
// command line runs the plug-in in it, and tests drive it.

#include "platform/host/headless_ui.h"
#include "platform/host/host.h"

namespace lumar::host {

class HeadlessHost {
public:
    explicit HeadlessHost(Responder& responder) : ui_(responder), host_(ui_) {}

    Host& host() { return host_; }
    HeadlessUi& ui() { return ui_; }
    MenuBar& menuBar() { return *ui_.menuBar(); }
    TableRegistry& tables() { return host_.tables(); }

private:
    HeadlessUi ui_;
    Host host_;
};

}  // namespace lumar::host
