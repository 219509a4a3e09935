#include "plugin/host_alert_notes.h"

#include <iostream>

#include "platform/host/roles.h"
#include "platform/text/cp1252.h"

namespace lumar {

void HostAlertNotes::alertNote(const std::string& message) {
    try {
        host::alertNote(message);
    } catch (const host::HostError&) {
        // The host cannot show it; the message still reaches someone.
        std::cerr << text::toUtf8(message) << '\n';
    }
}

HostAlertNotes& TheHostAlertNotes() {
    static HostAlertNotes notes;
    return notes;
}

}  // namespace lumar
