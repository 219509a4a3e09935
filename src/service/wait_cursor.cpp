#include "service/wait_cursor.h"

#include <utility>

namespace lumar {

namespace {

WaitCursorHandler& Handler() {
    static WaitCursorHandler handler;
    return handler;
}

}  // namespace

WaitCursorHandler SetWaitCursorHandler(WaitCursorHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

WaitCursor::WaitCursor() {
    if (Handler()) {
        Handler()(true);
    }
}

WaitCursor::~WaitCursor() {
    if (Handler()) {
        Handler()(false);
    }
}

}  // namespace lumar
