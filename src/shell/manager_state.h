#pragma once

// Whether the publication manager is open, and how to close it from outside
// (the log-off closes it first). The manager sets the flag when its window
// opens and closes and installs its closer; the menu's tests read the flag.

#include <functional>

namespace lumar {

bool IsManagerOpen();
void SetManagerOpen(bool open);

// What closes the open manager window; returns the closer it replaces.
std::function<void()> SetManagerCloser(std::function<void()> closer);

// Closes the manager if it is open: runs the installed closer, and counts the
// manager as closed afterwards whatever the closer did.
void CloseManager();

}  // namespace lumar
