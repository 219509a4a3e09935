#include "plugin/manager_state.h"

namespace lumar {

namespace {
bool managerOpen = false;
}  // namespace

bool IsManagerOpen() {
    return managerOpen;
}

void SetManagerOpen(bool open) {
    managerOpen = open;
}

}  // namespace lumar
