#pragma once

// Where the manager's controls go when its window is laid out (on opening
// and on every size change): the tab control and the list fill the client
// area, Close stands at the bottom left, "&Details...", "Re&fresh" and
// "&Add..." stand from the bottom right. Pixels in client coordinates.

#include "config/window_placement.h"

namespace lumar {

struct ManagerLayoutInput {
    int clientWidth = 0;
    int clientHeight = 0;
    WindowRect tab;       // the tab control as designed
    int listTop = 0;      // the list's top as designed
    int buttonWidth = 0;  // the Close button's size
    int buttonHeight = 0;
};

struct ManagerLayoutResult {
    WindowRect tab;
    WindowRect list;
    WindowRect close;
    WindowRect details;
    WindowRect refresh;
    WindowRect add;
    // The smallest client area the window may be sized to.
    int minClientWidth = 0;
    int minClientHeight = 0;
};

// m = the tab control's left edge, n = its top edge minus 1, w x h = the
// Close button's size.
ManagerLayoutResult LayOutManager(const ManagerLayoutInput& input);

}  // namespace lumar
