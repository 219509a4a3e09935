#pragma once

// The wire text of numbers and flags, as both ends write them: a number in
// decimal ("%ld"), a flag as "1" or "0".

#include <cstdint>
#include <string>

namespace lumar::protocol {

std::string WireLong(std::int64_t value);
std::string WireBool(bool value);

}  // namespace lumar::protocol
