#pragma once

// Whether the publication manager is open. The manager sets it when its
// window opens and closes; the menu's tests read it.

namespace lumar {

bool IsManagerOpen();
void SetManagerOpen(bool open);

}  // namespace lumar
