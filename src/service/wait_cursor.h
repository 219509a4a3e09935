#pragma once

// The busy cursor shown while a service call blocks the user-interface
// thread. The host installs a handler that shows and hides it; without one,
// nothing is shown.

#include <functional>

namespace lumar {

// Called with true when a wait begins and false when it ends.
using WaitCursorHandler = std::function<void(bool busy)>;

// Installs `handler` and returns the one it replaces.
WaitCursorHandler SetWaitCursorHandler(WaitCursorHandler handler);

// Shows the busy cursor for its lifetime.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace lumar
