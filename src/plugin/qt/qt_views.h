#pragma once

// The plug-in module's Qt side: installs the views behind the system's
// seams (message boxes, modal dialogs, the progress dialog, the manager's
// window, the colour dialog, the wait cursor). Called by the module's entry point; harmless to
// call again.
// Without a QApplication in the process, message boxes become the host's
// alerts and the other seams answer as if nobody were there.

namespace lumar {

void InstallQtViews();

}  // namespace lumar
