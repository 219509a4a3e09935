#pragma once

namespace lumar {

// The product's version as "major.minor.patch", shown by the hosts.
const char* productVersion();

}  // namespace lumar
