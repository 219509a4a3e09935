#include "config/last_error.h"

namespace lumar {

namespace {
thread_local std::uint32_t lastError = 0;
}  // namespace

std::uint32_t LastError() {
    return lastError;
}

void SetLastError(std::uint32_t code) {
    lastError = code;
}

}  // namespace lumar
