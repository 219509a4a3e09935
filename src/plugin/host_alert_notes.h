#pragma once

// The configuration code's alert notes as the plug-in shows them: through the
// host's alert note (a message box on the desktop, a line on standard error
// on the command line). Installed at initialisation, taken away at unload.

#include "config/alert_note.h"

namespace lumar {

class HostAlertNotes : public AlertNotes {
public:
    void alertNote(const std::string& message) override;
};

// The plug-in's one instance.
HostAlertNotes& TheHostAlertNotes();

}  // namespace lumar
