#include "shell/manager_state.h"

#include <utility>

namespace lumar {

namespace {
bool managerOpen = false;

std::function<void()>& Closer() {
    static std::function<void()> closer;
    return closer;
}
}  // namespace

bool IsManagerOpen() {
    return managerOpen;
}

void SetManagerOpen(bool open) {
    managerOpen = open;
}

std::function<void()> SetManagerCloser(std::function<void()> closer) {
    return std::exchange(Closer(), std::move(closer));
}

void CloseManager() {
    if (!managerOpen) {
        return;
    }
    if (Closer()) {
        Closer()();
    }
    managerOpen = false;
}

}  // namespace lumar
