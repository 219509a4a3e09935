#pragma once

// Passwords. The client never sends a password as typed: it reverses it and
// mirrors every byte (s[i] = 126 - ((p[n-1-i] - 32) mod 95), the remainder
// keeping the dividend's sign). The service undoes that and keeps only a
// salted PBKDF2-HMAC-SHA256 hash of the result.
//
// The client's rule folds bytes above 126 onto printable ones (0xE9 and "+"
// scramble alike), so the unscrambled form is canonical: bytes 0 to 126.
// Hashes are always taken of that canonical form.

#include <string>
#include <string_view>

namespace lumar::service_app {

inline constexpr int kDefaultPasswordIterations = 60000;

// The client's scrambling of a typed password.
std::string ScramblePassword(std::string_view typed);

// The canonical password behind a scrambled one.
std::string UnscramblePassword(std::string_view scrambled);

// "pbkdf2-sha256$<iterations>$<salt hex>$<hash hex>" of the canonical form of
// the typed password, with a fresh random salt.
std::string HashPassword(std::string_view typed, int iterations = kDefaultPasswordIterations);

// Checks a canonical (unscrambled) password against a stored hash, in time
// independent of where they differ. A malformed hash never matches.
bool VerifyPassword(std::string_view canonical, std::string_view storedHash);

}  // namespace lumar::service_app
