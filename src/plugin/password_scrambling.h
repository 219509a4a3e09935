#pragma once

// The password never leaves the plug-in as typed: it is reversed and every
// printable ASCII byte is mirrored within 32..126 (32 <-> 126, "A" -> "]").
// Bytes below 32 land above 126; bytes above 126 fold onto printable ones.
// The service undoes the mirroring before it checks the password.

#include <string>
#include <string_view>

namespace lumar {

// s[i] = 126 - ((p[n-1-i] - 32) % 95), bytes taken as 0..255 and the
// remainder keeping the dividend's sign.
std::string ScramblePassword(std::string_view password);

}  // namespace lumar
