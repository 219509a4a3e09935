#pragma once

// Message boxes through the host's "alert with buttons": the plug-in's way to
// reach the user when it has no windows of its own (a host that is no Qt
// program). The title heads the message; the buttons keep their order, so
// the host's answer 1 to 3 maps back to them.

#include "ui/message_box.h"

namespace lumar {

class HostMessageBoxes : public MessageBoxes {
public:
    // When the host cannot show the alert, the box gets its default answer.
    MessageAnswer show(const MessageBoxRequest& request) override;
};

}  // namespace lumar
