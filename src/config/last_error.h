#pragma once

// The calling thread's last-error code, as the settings functions and other
// operations that answer with a plain boolean leave it for the caller.

#include <cstdint>

namespace lumar {

std::uint32_t LastError();
void SetLastError(std::uint32_t code);

}  // namespace lumar
